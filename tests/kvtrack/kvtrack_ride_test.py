#!/usr/bin/env python3
"""End-to-end checks of `kvtrack ride` on small straight tracks encoded here: the speeds the
lifts, brakes and drops give, the end reasons, the CSV table against the JSON, and the refusal
of a track without a lift or transport."""
import csv
import io
import json
import math
import os
import struct
import subprocess
import sys
import tempfile
import unittest

KVTRACK = sys.argv.pop(1)
GRAVITY = 9.816650390625


def f32(*values):
    return b"".join(struct.pack(">f", v) for v in values)


def chunk(tag, own, children=0, descendants=b""):
    body = own + struct.pack(">i", children) + descendants
    return tag + struct.pack(">i", len(body)) + body


# The settings blocks by type, each with its settings at their place in the block.
def plain():
    return 0, b""


def station():
    return 1, bytes(126)


def lift(speed, accel=0, decel=0):
    return 2, bytes(4) + f32(speed, accel, decel) + bytes(20)


def transport(speed):
    return 3, f32(speed) + bytes(24)


def brake(limit, decel, complete_stop=False):
    return 4, f32(limit, decel) + bytes(28) + bytes([complete_stop]) + bytes(13)


def track(points, segments):
    """An open track of straight segments from each point to the next (the last one back to
    the first)."""
    nodes = b"".join(f32(*p) * 3 + f32(0) + bytes([0, 0, 0]) + bytes(17) for p in points)
    bezr = chunk(b"BEZR", bytes(16) + struct.pack(">i", len(points)) + nodes + bytes(16))
    own = struct.pack(">i", len(segments)) + b"\x00" + bytes(16)
    for kind, block in segments:
        own += struct.pack(">i", kind) + bytes(29) + struct.pack(">i", len(block)) + block
    segm = chunk(b"SEGM", own + bytes(16))
    return chunk(b"KAVR", bytes([1, 3, 0, 0]) + bytes(16), 2, bezr + segm)


LEVEL = [(0, 0, 0), (0, 0, -10), (0, 0, -30), (0, 0, -40)]
DROP = math.sqrt(3 ** 2 + 2 * GRAVITY * 20)

# name, points, segments, end reason, end segment, lowest and highest end speed
CASES = [
    ("drop", [(0, 20, 0), (0, 20, -10), (0, 0, -30), (0, 0, -40)],
     [lift(3), plain(), station(), plain()], "station", 2, 0.99 * DROP, DROP),
    ("lift raises", LEVEL, [transport(2), lift(5, 1), station(), plain()], "station", 2, 5, 5),
    ("brake limit", [(0, 0, 0), (0, 0, -10), (0, 0, -60), (0, 0, -70)],
     [lift(20), brake(8, 5), station(), plain()], "station", 2, 7.5, 8),
    ("complete stop", LEVEL, [lift(10), brake(3, 5, True), station(), plain()], "stop", 1, 0, 0),
    ("stall", [(0, 0, 0), (0, 0, -10), (0, 5, -20), (0, 5, -30)],
     [lift(5), plain(), plain(), station()], "stall", 1, 0, 0),
]


class RideTest(unittest.TestCase):
    def setUp(self):
        self.tmp = tempfile.TemporaryDirectory()

    def tearDown(self):
        self.tmp.cleanup()

    def write(self, name, data):
        path = os.path.join(self.tmp.name, name + ".kvtrack")
        with open(path, "wb") as f:
            f.write(data)
        return path

    def test_cases_end_where_the_settings_take_the_train(self):
        for name, points, segments, reason, segment, lowest, highest in CASES:
            with self.subTest(name):
                path = self.write(name, track(points, segments))
                result = subprocess.run([KVTRACK, "ride", path], capture_output=True)
                self.assertEqual(result.returncode, 0, result.stderr)
                ride = json.loads(result.stdout)
                samples = ride["Samples"]
                self.assertEqual(ride["Start"], {"Segment": 0, "Speed": samples[0]["Speed"]})
                self.assertEqual(ride["End"]["Reason"], reason)
                self.assertEqual(ride["End"]["Segment"], segment)
                self.assertEqual(samples[-1]["Segment"], segment)
                self.assertTrue(lowest <= ride["End"]["Speed"] <= highest, ride["End"])
                self.assertEqual(ride["SampleCount"], len(samples))
                distances = [s["Distance"] for s in samples]
                self.assertEqual(distances[0], 0)
                self.assertEqual(distances, sorted(distances))

                table = subprocess.run([KVTRACK, "ride", "--csv", path], capture_output=True)
                self.assertEqual(table.returncode, 0, table.stderr)
                rows = list(csv.DictReader(io.StringIO(table.stdout.decode())))
                self.assertEqual(len(rows), len(samples))
                for row, sample in zip(rows, samples):
                    self.assertEqual({k: float(v) for k, v in row.items()},
                                     {k: float(v) for k, v in sample.items()})

    def test_a_track_without_a_lift_or_transport_has_no_ride(self):
        path = self.write("flat", track(LEVEL, [plain(), brake(3, 5), station(), plain()]))
        for args in (["ride", path], ["ride", "--csv", path]):
            result = subprocess.run([KVTRACK, *args], capture_output=True)
            self.assertEqual(result.returncode, 1)
            self.assertEqual(result.stdout, b"")
            self.assertIn(b"needs a lift or a transport to start", result.stderr)


if __name__ == "__main__":
    unittest.main()
