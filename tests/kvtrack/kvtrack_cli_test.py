#!/usr/bin/env python3
"""End-to-end checks of the kvtrack command: exit codes, messages, JSON that a JSON parser
accepts and that shows the fields of files encoded here, and set as diff reports it."""
import json
import math
import os
import shutil
import stat
import struct
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
from kvtrack_files import (Kvtrack, be_long, bezr, brake, chunk, f32, lift, plain,  # noqa: E402
                           segm, segment, station, text, track_file)

KVTRACK = Kvtrack(sys.argv.pop(1))
run = KVTRACK.run
KMPH = 0.277777791023254
G = 9.816650390625


def as_single(v):
    """The binary32 value a JSON number or non-finite string stands for."""
    if isinstance(v, str):
        return {"nan": math.nan, "inf": math.inf, "-inf": -math.inf}[v]
    return struct.unpack(">f", struct.pack(">f", v))[0]


class KvtrackTest(unittest.TestCase):
    def setUp(self):
        self.tmp = tempfile.TemporaryDirectory()
        self.dir = self.tmp.name
        self.demo = os.path.join(self.dir, "demo.kvtrack")
        self.assertEqual(run("example", self.demo).returncode, 0)

    def tearDown(self):
        self.tmp.cleanup()

    def write(self, name, data):
        path = os.path.join(self.dir, name)
        with open(path, "wb") as f:
            f.write(data)
        return path

    def dump(self, path):
        result = run("dump", path)
        self.assertEqual(result.returncode, 0, result.stderr)
        return json.loads(result.stdout.decode("utf-8"))

    def test_dump_shows_every_field_of_the_file(self):
        nodes = [((1, 2, 3), 0.5), ((-4, 5.25, -6), -1), ((0, 0, 0), 0)]
        path = self.write("small.kvtrack", track_file(
            bezr(nodes), segm([lift(3, 1, 2), brake(8, 5, True), station()], closed=False)))
        doc = self.dump(path)
        self.assertEqual((doc["TrackClosed"], doc["BezierCount"], doc["SegmentCount"]),
                         (False, 3, 3))
        for got, (pos, roll) in zip(doc["BezierNodes"], nodes):
            self.assertEqual((got["Position"], got["ControlIn"], got["ControlOut"], got["Roll"]),
                             (list(pos), list(pos), list(pos), roll))
        lifted, braked, _ = doc["Segments"]
        self.assertEqual([lifted[k] for k in ("LiftMotorSpeed", "LiftMotorAccel",
                                              "LiftMotorDecel", "SpineColour")], [3, 1, 2, 0x102030])
        self.assertEqual([braked[k] for k in ("BrakeSpeedLimit", "BrakeDecel",
                                              "BrakeCompleteStop")], [8, 5, True])

        doc = self.dump(self.demo)
        self.assertTrue(all(len(s) == 47 for s in doc["Segments"]))  # every field of the record
        self.assertEqual(list(doc)[:4], ["FormatVersion", "TrackStyle", "TrackEntryCount",
                                          "TrackEntries"])
        self.assertEqual(list(doc)[-2:], ["EnvcLength", "EnvcChildren"])
        self.assertEqual(doc["FormatVersion"], [1, 3, 0, 0])
        self.assertEqual(len(doc["TeraGrid"]), doc["TeraCountY"])
        self.assertTrue(all(len(row) == doc["TeraCountX"] for row in doc["TeraGrid"]))
        self.assertEqual(doc["HeaderLength"] + 8, os.path.getsize(self.demo))

    def test_dump_is_valid_json_whatever_the_bytes(self):
        all_bytes = bytes(range(256))
        info = chunk(b"INFO", bytes(16) + text(all_bytes))
        envc = chunk(b"ENVC", bytes(16) + text(b'"quoted"\\ \x7f') + text(b"\xff\xfe") + bytes(16))
        specials = [(math.nan, 0.1), (math.inf, -math.inf), (1e-45, 3.4028234663852886e38)]
        own = bytes(16) + be_long(len(specials))
        for (a, b) in specials:
            own += f32(a, b) + bytes(4) * 7 + f32(-0.0) + bytes(20)
        path = self.write("odd.kvtrack", track_file(info, chunk(b"BEZR", own + bytes(16)), envc))
        doc = self.dump(path)
        self.assertEqual(doc["InfoText"], all_bytes.decode("latin-1"))
        self.assertEqual(doc["EnvcText1"], '"quoted"\\ \x7f')
        self.assertEqual(doc["EnvcText2"], "\xff\xfe")
        positions = [n["Position"] for n in doc["BezierNodes"]]
        self.assertEqual(positions[0][0], "nan")
        self.assertEqual(positions[1][:2], ["inf", "-inf"])
        self.assertEqual(as_single(positions[0][1]), as_single(0.1))  # shortest round trip
        self.assertEqual(as_single(positions[2][0]), as_single(1e-45))
        self.assertEqual(as_single(positions[2][1]), as_single(3.4028234663852886e38))
        self.assertIn(b'"Roll":-0,', run("dump", path).stdout)  # the sign of zero is kept

    def test_resave_writes_canonical_bytes(self):
        odd = self.write("odd.kvtrack", track_file(
            chunk(b"XTRA", bytes(12)), bezr([((0, 0, 0), 0), ((1, 0, 0), 0.5)]),
            segm([station(), segment(9, None)]), segm([lift(0), brake(0, 0)])))
        first = os.path.join(self.dir, "first")
        self.assertEqual(run("resave", odd, first).returncode, 0)
        first += ".kvtrack"  # appended when missing
        second = os.path.join(self.dir, "second.KVTRACK")
        self.assertEqual(run("resave", first, second).returncode, 0)
        with open(first, "rb") as a, open(second, "rb") as b:
            canonical = a.read()
            self.assertEqual(canonical, b.read())
        doc = self.dump(first)
        self.assertEqual([s["SegmentType"] for s in doc["Segments"]], [2, 4])  # the later SEGM
        self.assertEqual(doc["HeaderChildren"], 3)
        self.assertEqual(len(canonical), 665 + 2 * 60 + 73 + 87)

    def test_errors_and_usage(self):
        bad = self.write("bad.kvtrack", b"KAVX" + bytes(30))
        for command in ("dump", "trace", "info"):
            result = run(command, bad)
            self.assertEqual(result.returncode, 1, command)
            self.assertEqual(result.stderr.decode().splitlines(), [
                "Error: Invalid Track File!",
                "KAVR at byte 0: bad magic, the file does not start with KAVR"])
            self.assertEqual(result.stdout, b"")
        self.assertEqual(run("resave", bad, os.path.join(self.dir, "x")).returncode, 1)
        self.assertFalse(os.path.exists(os.path.join(self.dir, "x.kvtrack")))

        target = os.path.join(self.dir, "missing", "out.kvtrack")
        result = run("resave", self.demo, target)
        self.assertEqual(result.returncode, 1)
        self.assertIn(target, result.stderr.decode())

        for args in ((), ("dump",), ("frobnicate", self.demo), ("resave", self.demo),
                     ("set", self.demo, target), ("set", self.demo, target, "--bogus", "Tunnel=1"),
                     ("set", self.demo, target, "--type", "loop", "Tunnel=true"),
                     ("diff", self.demo), ("diff", "--brief", self.demo, self.demo)):
            result = run(*args)
            self.assertEqual(result.returncode, 2, args)
            self.assertIn("usage", result.stderr.decode())
        result = run("--help")
        self.assertEqual((result.returncode, result.stderr), (0, b""))
        self.assertIn("usage: kvtrack dump FILE", result.stdout.decode())

    def test_info(self):
        result = run("info", self.demo)
        self.assertEqual(result.returncode, 0)
        summary = result.stdout.decode()
        doc = self.dump(self.demo)
        self.assertIn("closed", summary)
        self.assertIn("nodes:     %d" % doc["BezierCount"], summary)
        stations = sum(1 for s in doc["Segments"] if s["SegmentType"] == 1)
        self.assertIn("%d station" % stations, summary)


    # --- set and diff ---------------------------------------------------------------

    def set_changes(self, *args):
        """What set with `args` changes in the demo, by path, as diff reports it."""
        out = os.path.join(self.dir, "out.kvtrack")
        result = run("set", self.demo, out, *args)
        self.assertEqual(result.returncode, 0, result.stderr)
        with open(self.demo, "rb") as a, open(out, "rb") as b:
            before, after = a.read(), b.read()
        # Everything outside the SEGM chunk stays byte for byte.
        start = before.index(b"SEGM")
        end = start + 8 + struct.unpack(">i", before[start + 4:start + 8])[0]
        self.assertEqual((len(before), before[:start], before[end:]),
                         (len(after), after[:start], after[end:]))
        changes = KVTRACK.json("diff", "--json", self.demo, out, code=1)
        return {c["path"]: as_single(c["new"]) if isinstance(c["new"], float) else c["new"]
                for c in changes}

    def test_set_changes_only_the_named_fields_of_the_chosen_segments(self):
        kmph = lambda v: as_single(v * KMPH)  # noqa: E731
        cases = [  # arguments, chosen segments, the stored values expected
            (("--type", "lift", "LiftMotorSpeed=36kmph", "LiftMotorAccel=2.25",
              "LiftMotorDecel=0.5g", "LiftStyle=wheels", "LiftLeftRailing=true"), range(4, 10),
             dict(LiftMotorSpeed=kmph(36), LiftMotorAccel=2.25, LiftMotorDecel=as_single(0.5 * G),
                  LiftStyle=1, LiftLeftRailing=True)),
            (("--type", "1", "StationMainBrakeDecel=1.5g", "StationWaitAverage=30s",
              "StationWaitMinimum=12", "StationEntrance=right", "StationBaseOnly=1",
              "StationWaitSync=true", "StationWheelsSpeed=45kmph"), range(0, 3),
             dict(StationMainBrakeDecel=1.5 * G, StationWaitAverage=30, StationWaitMinimum=12,
                  StationEntrance=1, StationBaseOnly=1, StationWaitSync=True,
                  StationWheelsSpeed=kmph(45))),
            (("--type", "transport", "TransportMotorSpeed=18kmph", "TransportMotorAccel=2g",
              "TransportMotorDecel=3", "TransportStyle=lim", "TransportRightRailing=true"),
             "transports", dict(TransportMotorSpeed=kmph(18), TransportMotorAccel=2 * G,
                                 TransportMotorDecel=3, TransportStyle=0,
                                 TransportRightRailing=True)),
            (("--segments", "36,37", "BrakeTriggerPos=0.25", "BrakeDecel=-2e-1",
              "BrakeWheelsAccel=1g", "BrakeHysteresis=9kmph", "BrakeCompleteStop=true"),
             [36, 37], dict(BrakeTriggerPos=0.25, BrakeDecel=as_single(-0.2), BrakeWheelsAccel=G,
                            BrakeHysteresis=kmph(9), BrakeCompleteStop=True)),
            (("--segments", "0,5-7,40", "SpineColour=#112233", "RailsColour=1193046",
              "Tunnel=true", "CustomColours=true"), [0, 5, 6, 7, 40],
             dict(SpineColour=0x332211, RailsColour=0x123456, Tunnel=True, CustomColours=True)),
            (("--segments", "0-9", "--type", "lift", "Tunnel=true"), range(4, 10),
             dict(Tunnel=True)),
        ]
        before = self.dump(self.demo)["Segments"]
        transports = [i for i, s in enumerate(before) if s["SegmentType"] == 3]
        for args, chosen, want in cases:
            with self.subTest(args=args):
                chosen = transports if chosen == "transports" else chosen
                expected = {f"Segments[{i}].{k}": v for i in chosen for k, v in want.items()
                            if as_single(before[i][k]) != v}
                self.assertGreaterEqual(len(expected), len(want))
                self.assertEqual(self.set_changes(*args), expected)

    def test_set_errors_write_nothing(self):
        bad = self.write("bad.kvtrack", b"KAVR" + bytes(3))
        out = os.path.join(self.dir, "never.kvtrack")
        cases = [
            ((self.demo, "LiftMotorSpeed=10"),
             "LiftMotorSpeed is a lift field, but segment 0 is a station"),
            ((self.demo, "--type", "lift", "LiftMotorSpeed=3g"), "LiftMotorSpeed=3g: a value in g"),
            ((self.demo, "--type", "lift", "LiftMotorSpeed=fast"), "=fast: not a number"),
            ((self.demo, "--type", "lift", "LiftMotorSpeed=1.5.2"), "=1.5.2: not a number"),
            ((self.demo, "BrakeTriggerPos=1kmph", "--type", "brake"), "a value in kmph"),
            ((self.demo, "Tunnel=1"), "Tunnel=1: not true or false"),
            ((self.demo, "--type", "lift", "LiftStyle=lim"), "not 0, 1, chain or wheels"),
            ((self.demo, "SpineColour=#12345"), "not a colour"),
            ((self.demo, "SegmentType=2"), "SegmentType cannot be set"),
            ((self.demo, "Speed=2"), "no segment field that can be set is named Speed"),
            ((self.demo, "--segments", "3,48", "Tunnel=true"), "index 48 is out of range"),
            ((self.demo, "--segments", "5-3", "Tunnel=true"), '"5-3" is not an index or a range'),
            ((self.demo, "--segments", "0-3", "--type", "4", "Tunnel=true"), "no segment chosen"),
            ((bad, "Tunnel=true"), "Error: Invalid Track File!\nKAVR at byte 4: a read of 4 bytes"),
        ]
        for (source, *args), message in cases:
            result = run("set", source, out, *args)
            self.assertEqual(result.returncode, 1, args)
            self.assertIn(message, result.stderr.decode(), args)
            self.assertFalse(os.path.exists(out), args)

    def test_diff_lists_every_difference_with_exit_codes(self):
        result = run("diff", self.demo, self.demo)
        self.assertEqual((result.returncode, result.stdout), (0, b""))
        changed = os.path.join(self.dir, "changed.kvtrack")
        run("set", self.demo, changed, "--segments", "4", "LiftMotorSpeed=10")
        result = run("diff", self.demo, changed)
        self.assertEqual(result.returncode, 1)
        self.assertEqual(result.stdout.decode(), "Segments[4].LiftMotorSpeed: 3.5 -> 10\n")
        result = run("diff", "--json", changed, self.demo)
        self.assertEqual(json.loads(result.stdout),
                         [{"path": "Segments[4].LiftMotorSpeed", "old": 10, "new": 3.5}])

        # Counts, bookkeeping and Singles by their bits: -0 is not 0, a NaN equals only the
        # same NaN; either file may be the longer.
        nan = [struct.unpack(">f", bytes.fromhex(bits))[0] for bits in ("7fc00001", "7fc00002")]

        def file(name, roll, payload, segments):
            nodes = bezr([((0, 0, 0), roll), ((nan[payload], 0, 0), 0)])
            return self.write(name, track_file(nodes, segm(segments)))
        one = file("one.kvtrack", 0.0, 0, [plain()])
        two = file("two.kvtrack", -0.0, 0, [plain(), lift(0)])
        other = file("other.kvtrack", 0.0, 1, [plain()])
        short, long = 21 + 37 + 20, 21 + 37 + 73 + 20
        cases = [
            (one, two, ["BezierNodes[0].Roll: 0 -> -0", "SegmentCount: 1 -> 2",
                        "Segments[1].SegmentType: (none) -> 2", f"SegmLength: {short} -> {long}"]),
            (two, one, ["BezierNodes[0].Roll: -0 -> 0", "SegmentCount: 2 -> 1",
                        "Segments[1].SegmentType: 2 -> (none)", f"SegmLength: {long} -> {short}"]),
            (one, other, ["BezierNodes[1].Position[0]: nan(0x7FC00001) -> nan(0x7FC00002)"]),
        ]
        for first, second, expected in cases:
            result = run("diff", first, second)
            self.assertEqual(result.returncode, 1)
            lines = result.stdout.decode().splitlines()
            self.assertLessEqual(set(expected), set(lines), lines)
            self.assertEqual(any(line.startswith("BezierNodes[1]") for line in lines),
                             second == other)
        self.assertEqual(run("diff", one, self.write("bad.kvtrack", b"KAVX")).returncode, 2)


if __name__ == "__main__":
    unittest.main()
