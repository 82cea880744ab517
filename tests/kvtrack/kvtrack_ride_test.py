#!/usr/bin/env python3
"""End-to-end checks of `kvtrack ride` on small straight tracks encoded here: the JSON of a
lap and its CSV tables, and the refusals of tracks the train cannot start on. Where each
setting takes the train is checked in the preview's own tests."""
import csv
import io
import os
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
from kvtrack_files import Kvtrack, brake, lift, plain, station, track, write  # noqa: E402

KVTRACK = Kvtrack(sys.argv.pop(1))
LEVEL = [(0, 0, 0), (0, 0, -10), (0, 0, -30), (0, 0, -40)]


class RideTest(unittest.TestCase):
    def setUp(self):
        self.tmp = tempfile.TemporaryDirectory()

    def tearDown(self):
        self.tmp.cleanup()

    def test_the_lap_its_peaks_and_its_tables(self):
        # Closed, so that the train leaves the station for the lift at segment 0.
        path = write(self.tmp.name, "brake.kvtrack", track(
            [(0, 0, 0), (0, 0, -10), (0, 0, -60), (0, 0, -70)],
            [lift(20), brake(8, 5), station(), plain()]))
        ride = KVTRACK.json("ride", path)
        samples = ride["Samples"]
        self.assertEqual(ride["Start"], {"Segment": 0, "Speed": 20})
        self.assertEqual((ride["End"]["Reason"], ride["End"]["Segment"]), ("station", 2))
        self.assertTrue(7.5 <= ride["End"]["Speed"] <= 8, ride["End"])
        self.assertEqual((ride["SampleCount"], samples[-1]["Segment"]), (len(samples), 2))
        distances = [s["Distance"] for s in samples]
        times = [s["Time"] for s in samples]
        self.assertEqual(distances[0], 0)
        self.assertEqual(distances, sorted(distances))
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
            table = KVTRACK.run("ride", *options, path)
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
            path = write(self.tmp.name, name + ".kvtrack", track(LEVEL, segments, closed))
            for args in (["ride", path], ["ride", "--csv", path]):
                with self.subTest(name, args=args):
                    result = KVTRACK.run(*args)
                    self.assertEqual(result.returncode, 1)
                    self.assertEqual(result.stdout, b"")
                    self.assertIn(reason, result.stderr)


if __name__ == "__main__":
    unittest.main()
