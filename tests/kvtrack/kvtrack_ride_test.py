#!/usr/bin/env python3
"""End-to-end checks of `kvtrack ride` on small straight tracks encoded here: the speeds the
lifts, brakes and drops give, the end reasons, the CSV tables against the JSON, and the
refusals of tracks the train cannot start on."""
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


def track(points, segments, closed=True):
    """A track of straight segments from each point to the next (the last one back to the
    first); closed, so that the train leaves the station for the motor at segment 0."""
    nodes = b"".join(f32(*p) * 3 + f32(0) + bytes([0, 0, 0]) + bytes(17) for p in points)
    bezr = chunk(b"BEZR", bytes(16) + struct.pack(">i", len(points)) + nodes + bytes(16))
    own = struct.pack(">i", len(segments)) + bytes([closed]) + bytes(16)
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

                times = [s["Time"] for s in samples]
                self.assertEqual(times, sorted(times))
                filtered = ride["Filtered"]
                self.assertEqual((filtered["Rate"], filtered["CornerHz"]), (100, 5))
                peaks = ride["Peaks"]
                self.assertEqual((peaks["Length"], peaks["Duration"]), (distances[-1], times[-1]))
                self.assertEqual(peaks["Speed"]["Max"], max(s["Speed"] for s in samples))
                for force in ("VerticalG", "LateralG", "LongitudinalG"):
                    values = [s[force] for s in filtered["Samples"]]
                    self.assertEqual((peaks[force]["Max"], peaks[force]["Min"]),
                                     (max(values), min(values)))

                for options, rows in ((["--csv"], samples),
                                      (["--csv", "--filtered"], filtered["Samples"])):
                    table = subprocess.run([KVTRACK, "ride", *options, path], capture_output=True)
                    self.assertEqual(table.returncode, 0, table.stderr)
                    read = list(csv.DictReader(io.StringIO(table.stdout.decode())))
                    self.assertEqual([{k: float(v) for k, v in row.items()} for row in read],
                                     [{k: float(v) for k, v in row.items()} for row in rows])

    def test_tracks_the_train_cannot_start_on_have_no_ride(self):
        for name, segments, closed, reason in (
                ("flat", [plain(), brake(3, 5), plain(), plain()], True,
                 b"needs a station, a lift or a transport to start"),
                ("last", [lift(5), plain(), plain(), station()], False,
                 b"the station ends the track")):
            path = self.write(name, track(LEVEL, segments, closed))
            for args in (["ride", path], ["ride", "--csv", path]):
                with self.subTest(name, args=args):
                    result = subprocess.run([KVTRACK, *args], capture_output=True)
                    self.assertEqual(result.returncode, 1)
                    self.assertEqual(result.stdout, b"")
                    self.assertIn(reason, result.stderr)


if __name__ == "__main__":
    unittest.main()
