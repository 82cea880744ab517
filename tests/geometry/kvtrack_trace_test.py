#!/usr/bin/env python3
"""End-to-end checks of `kvtrack trace`: every sample lies on its segment's curve, frames
stay rotations that follow the curve and carry on from segment to segment, absolute rolls
are reached, and the spine matches the cross-section table; all derived here in double
from the document that `kvtrack dump` prints. Refused files give the invalid-track error."""
import math
import os
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
from kvtrack_files import Kvtrack, be_long, f32, write  # noqa: E402

KVTRACK = Kvtrack(sys.argv.pop(1))
run, json_of = KVTRACK.run, KVTRACK.json

# Cross-section offsets (x right, y up) of Center, RailRight, RailLeft, BraceRight,
# BraceLeft, OuterRight, OuterLeft; None is a point the style leaves at the origin.
PLAIN = [(0, -0.3), (0.5, 0), (-0.5, 0), None, None, None, None]
STYLES = {0: PLAIN,
          1: [(0, -0.6), (0.6, 0), (-0.6, 0), (0.6, -0.6), (-0.6, -0.6), None, None],
          2: [(0, 0.6), (0.6, 0), (-0.6, 0), (0.6, 0.6), (-0.6, 0.6), None, None],
          4: [(0, 0.3), (0.6, 0), (-0.6, 0), (0.2, 0.6), (-0.2, 0.6), None, None],
          5: [(0, -1.0), (0.5, 0), (-0.5, 0), None, None, None, None]}
for s in (3, 6, 7, 8):
    STYLES[s] = [(0, -0.3), (0.6, 0), (-0.6, 0), (0.2, -0.3), (-0.2, -0.3), None, None]
for s in (9, 10, 11, 12):
    STYLES[s] = [(0, -0.2), (0.3, 0), (-0.3, 0), (0.3, -0.2), (-0.3, -0.2), (0.5, 0), (-0.5, 0)]
POINTS = ["Center", "RailRight", "RailLeft", "BraceRight", "BraceLeft", "OuterRight", "OuterLeft"]


def bezier(p0, c1, p3, c2, t):
    u = 1 - t
    return [u ** 3 * a + 3 * t * u * u * b + 3 * t * t * u * d + t ** 3 * c
            for a, b, c, d in zip(p0, c1, p3, c2)]


def tangent(p0, c1, p3, c2, t):
    u = 1 - t
    v = [3 * (u * u * (b - a) + 2 * t * u * (d - b) + t * t * (c - d))
         for a, b, c, d in zip(p0, c1, p3, c2)]
    n = math.sqrt(sum(x * x for x in v))
    return [x / n for x in v]


def angle_gap(a, b):
    return abs((a - b + math.pi) % (2 * math.pi) - math.pi)


class TraceOfTheDemoTrack(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.dir = tempfile.TemporaryDirectory()
        cls.demo = os.path.join(cls.dir.name, "demo.kvtrack")
        assert run("example", cls.demo).returncode == 0
        with open(cls.demo, "rb") as f:
            cls.bytes = f.read()

    @classmethod
    def tearDownClass(cls):
        cls.dir.cleanup()

    def variant(self, name, patch):
        data = bytearray(self.bytes)
        patch(data)
        return write(self.dir.name, name + ".kvtrack", data)

    def node_offset(self, data, i):
        return data.index(b"BEZR") + 8 + 20 + 60 * i

    def check_trace(self, path):
        doc = json_of("dump", path)
        trace = json_of("trace", path)
        nodes, count = doc["BezierNodes"], doc["SegmentCount"]
        self.assertEqual(trace["TracedSegmentCount"], count)
        self.assertEqual(len(trace["TracedSegments"]), count)
        previous_end = None
        for i, seg in enumerate(trace["TracedSegments"]):
            start, end = nodes[i], nodes[i + 1 if i + 1 < count else 0]
            curve = (start["Position"], start["ControlOut"], end["Position"], end["ControlIn"])
            samples = seg["Samples"]
            self.assertEqual(seg["SampleCount"], len(samples))
            self.assertGreaterEqual(len(samples), 1)
            self.assertEqual(samples[0]["Param"], 0)
            self.assertEqual(samples[0]["Distance"], 0)
            if previous_end is not None:  # carries on from the previous segment's frame
                self.assertEqual(samples[0]["Orientation"], previous_end)
            for j, s in enumerate(samples):
                o, w, t = s["Orientation"], s["World"], s["Param"]
                where = f"segment {i} sample {j}"
                at = bezier(*curve, t)
                self.assertEqual(w[12:], [0, 0, 0, 1], msg=where)
                for axis in range(3):
                    self.assertAlmostEqual(w[4 * axis + 3], at[axis], delta=1e-3, msg=where)
                    for col in range(3):
                        self.assertAlmostEqual(w[4 * axis + col], o[4 * axis + col], delta=1e-6)
                for a in range(3):
                    for b in range(3):
                        dot = sum(o[4 * k + a] * o[4 * k + b] for k in range(3))
                        self.assertAlmostEqual(dot, 1 if a == b else 0, delta=1e-4, msg=where)
                if j > 0:
                    ahead = tangent(*curve, t)
                    for axis in range(3):
                        self.assertAlmostEqual(-o[4 * axis + 2], ahead[axis], delta=0.05, msg=where)
                    self.assertGreater(t, samples[j - 1]["Param"])
                    self.assertGreaterEqual(s["Distance"] - samples[j - 1]["Distance"], 0.5 - 1e-4)
                if s["Bank"] != 0:
                    self.assertAlmostEqual(s["Bank"], math.atan2(o[4], o[5]), delta=1e-6)
            self.assertLessEqual(samples[-1]["Distance"], seg["Length"] + 1e-3)
            roll = nodes[i + 1 if i + 1 < doc["BezierCount"] else 0]
            last = samples[-1]["Orientation"]
            if not roll["RelativeRoll"]:
                self.assertLess(angle_gap(math.atan2(last[4], last[5]), roll["Roll"]), 1e-4,
                                msg=f"segment {i}")
            previous_end = last
        self.check_spine(doc, trace)
        return doc, trace

    def check_spine(self, doc, trace):
        offsets = STYLES.get(doc["TrackStyle"], PLAIN)
        points = trace["SpinePoints"]
        expected = [(i, s["World"]) for i, seg in enumerate(trace["TracedSegments"])
                    for s in seg["Samples"]]
        self.assertEqual(trace["SpinePointCount"], len(expected) + (1 if doc["TrackClosed"] else 0))
        self.assertEqual(len(points), trace["SpinePointCount"])
        for (i, w), p in zip(expected, points):
            self.assertEqual(p["SegIndex"], i)
            self.assertEqual(p["SegType"], doc["Segments"][i]["SegmentType"])
            for name, off in zip(POINTS, offsets):
                want = [0, 0, 0] if off is None else [
                    w[4 * r] * off[0] + w[4 * r + 1] * off[1] + w[4 * r + 3] for r in range(3)]
                for axis in range(3):
                    self.assertAlmostEqual(p[name][axis], want[axis], delta=1e-4, msg=name)
        if doc["TrackClosed"]:
            closing, first = points[-1], points[0]
            self.assertEqual(closing["SegIndex"], 0)
            self.assertEqual(closing["SegType"], doc["Segments"][0]["SegmentType"])
            for name in POINTS:
                self.assertEqual(closing[name], first[name])

    def test_demo_track(self):
        doc, trace = self.check_trace(self.demo)
        self.assertTrue(doc["TrackClosed"])
        self.assertGreater(trace["SpinePointCount"], 1000)
        # The demo banks some turns: some samples record a bank.
        self.assertTrue(any(s["Bank"] != 0 for seg in trace["TracedSegments"] for s in seg["Samples"]))

    def test_every_style_and_relative_rolls(self):
        def patch_style(style):
            def patch(data):
                at = data.index(b"TRCK") + 8
                data[at:at + 4] = be_long(style)
            return patch
        for style in list(range(14)) + [-3]:
            with self.subTest(style=style):
                self.check_trace(self.variant(f"style{style}", patch_style(style)))

        def relative(data):
            for i in range(20, 30):
                data[self.node_offset(data, i) + 42] = 1
        doc, _ = self.check_trace(self.variant("relative", relative))
        self.assertTrue(doc["BezierNodes"][25]["RelativeRoll"])

    def test_refused_files(self):
        def huge(data):
            at = self.node_offset(data, 3)
            data[at:at + 12] = f32(1e30, -1e30, 1e30)
        cut = self.variant("cut", lambda d: d.__delitem__(slice(100, None)))
        for path, reason in ((self.variant("huge", huge), "the track cannot be traced"),
                             (cut, "TRCK at byte 100: a read of 4 bytes runs past the end")):
            with self.subTest(path=path):
                result = run("trace", path)
                self.assertEqual(result.returncode, 1)
                lines = result.stderr.decode().splitlines()
                self.assertEqual(lines[0], "Error: Invalid Track File!")
                self.assertTrue(lines[1].startswith(reason), lines)
                self.assertEqual(result.stdout, b"")


if __name__ == "__main__":
    unittest.main()
