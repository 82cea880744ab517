#!/usr/bin/env python3
"""End-to-end checks of the kvtrack command: exit codes, messages, and JSON that a JSON
parser accepts and that matches the file field for field (decoded here independently)."""
import json
import math
import os
import shutil
import stat
import struct
import subprocess
import sys
import tempfile
import unittest

KVTRACK = sys.argv.pop(1)


def run(*args):
    return subprocess.run([KVTRACK, *args], capture_output=True)


# --- an independent encoder of small files --------------------------------------------

def be_long(v):
    return struct.pack(">i", v)


def be_single(v):
    return struct.pack(">f", v)


def text(b):
    return be_long(len(b)) + b


def chunk(tag, own, children=0, descendants=b""):
    body = own + be_long(children) + descendants
    return tag + be_long(len(body)) + body


def track_file(children, body):
    return chunk(b"KAVR", bytes([1, 3, 0, 0]) + bytes(16), children, body)


def bezr(nodes):
    own = bytes(16) + be_long(len(nodes))
    for pos, roll in nodes:
        own += b"".join(be_single(c) for c in pos) * 3 + be_single(roll) + bytes([1, 0, 0]) + bytes(17)
    return chunk(b"BEZR", own + bytes(16))


def segm(types):
    own = be_long(len(types)) + b"\x01" + bytes(16)
    blocks = {0: 0, 1: 126, 2: 36, 3: 28, 4: 50}
    for t in types:
        own += be_long(t) + b"\x00" + bytes.fromhex("00102030") * 3 + b"\x00" + bytes(15)
        if t in blocks:
            own += be_long(blocks[t]) + bytes(blocks[t])
    return chunk(b"SEGM", own + bytes(16))


# --- an independent decoder of the canonical files kvtrack writes ----------------------

class Reader:
    def __init__(self, data):
        self.d, self.p = data, 0

    def take(self, n):
        b = self.d[self.p:self.p + n]
        self.p += n
        return b

    def long(self):
        return struct.unpack(">i", self.take(4))[0]

    def single(self):
        return struct.unpack(">f", self.take(4))[0]

    def byte(self):
        return self.take(1)[0]

    def colour(self):
        b = self.take(4)
        return b[3] | b[2] << 8 | b[1] << 16

    def find(self, tag):
        self.p = self.d.index(tag) + 8


def decode_nodes_and_segments(data):
    r = Reader(data)
    r.find(b"BEZR")
    r.take(16)
    nodes = []
    for _ in range(r.long()):
        pos, cin, cout = ([r.single() for _ in range(3)] for _ in range(3))
        roll = r.single()
        a, c, rel = r.byte(), r.byte(), r.byte()
        r.take(17)
        nodes.append(dict(Position=pos, ControlIn=cin, ControlOut=cout, Roll=roll,
                          NodeFlagA=a != 0, NodeFlagC=c != 0, RelativeRoll=rel != 0))
    r.find(b"SEGM")
    count = r.long()
    closed = r.byte() != 0
    r.take(16)
    segments = []
    for _ in range(count):
        s = dict(SegmentType=r.long(), CustomColours=r.byte() != 0, SpineColour=r.colour(),
                 RailsColour=r.colour(), CrosstieColour=r.colour(), Tunnel=r.byte() != 0)
        r.take(15)
        t = s["SegmentType"]
        if 0 <= t <= 4:
            r.take(4)
        if t == 1:
            s.update(StationWaitAverage=r.single(), StationWaitMinimum=r.single(),
                     StationWaitMaximum=r.single(), StationWaitDeviation=r.single(),
                     StationEntrance=r.byte(), StationBaseOnly=r.byte(),
                     StationWaitSync=r.byte() != 0, StationNoBuilding=r.byte(),
                     StationMainBrakeDecel=r.single())
            r.take(4)
            s.update(StationPreBrake=r.byte() != 0, StationPreBrakeSpeedLimit=r.single())
            r.take(4)
            s.update(StationPreBrakeDecel=r.single(), StationPreBrakeHysteresis=r.single())
            r.take(4)
            s.update(StationWheels=r.byte() != 0, StationWheelsSpeed=r.single(),
                     StationWheelsAccel=r.single(), StationWheelsDecel=r.single())
            r.take(64)
        elif t == 2:
            r.take(3)
            s.update(LiftStyle=r.byte(), LiftMotorSpeed=r.single(), LiftMotorAccel=r.single(),
                     LiftMotorDecel=r.single())
            r.take(4)
            s.update(LiftLeftRailing=r.byte() != 0, LiftRightRailing=r.byte() != 0)
            r.take(14)
        elif t == 3:
            s.update(TransportMotorSpeed=r.single(), TransportMotorAccel=r.single(),
                     TransportMotorDecel=r.single())
            r.take(3)
            s.update(TransportStyle=r.byte(), TransportLeftRailing=r.byte() != 0,
                     TransportRightRailing=r.byte() != 0)
            r.take(10)
        elif t == 4:
            s.update(BrakeSpeedLimit=r.single(), BrakeDecel=r.single(), BrakeHysteresis=r.single())
            r.take(4)
            s.update(BrakeTriggerPos=r.single(), BrakeBlock=r.byte() != 0,
                     BrakeWheels=r.byte() != 0, BrakeWheelsSpeed=r.single(),
                     BrakeWheelsAccel=r.single(), BrakeWheelsDecel=r.single(),
                     BrakeLeftRailing=r.byte() != 0, BrakeRightRailing=r.byte() != 0,
                     BrakeCompleteStop=r.byte() != 0)
            r.take(13)
        segments.append(s)
    return nodes, segments, closed


def as_single(v):
    """The binary32 value a JSON number or non-finite string stands for."""
    if isinstance(v, str):
        return {"nan": math.nan, "inf": math.inf, "-inf": -math.inf}[v]
    return struct.unpack(">f", struct.pack(">f", v))[0]


def same_single(a, b):
    return (math.isnan(a) and math.isnan(b)) or a == b


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

    def test_dump_matches_the_file_field_for_field(self):
        doc = self.dump(self.demo)
        with open(self.demo, "rb") as f:
            nodes, segments, closed = decode_nodes_and_segments(f.read())
        self.assertEqual(doc["TrackClosed"], closed)
        self.assertEqual(doc["BezierCount"], len(nodes))
        self.assertEqual(doc["SegmentCount"], len(segments))
        self.assertEqual(len(doc["Segments"]), len(segments))
        self.assertGreaterEqual(len(segments), 30)
        for got, want in zip(doc["BezierNodes"], nodes):
            for key, value in want.items():
                if isinstance(value, list):
                    self.assertEqual([as_single(v) for v in got[key]], value, key)
                elif isinstance(value, float):
                    self.assertTrue(same_single(as_single(got[key]), value), key)
                else:
                    self.assertEqual(got[key], value, key)
        for got, want in zip(doc["Segments"], segments):
            self.assertEqual(len(got), 47)  # every field of the record
            for key, value in want.items():
                if isinstance(value, float):
                    self.assertTrue(same_single(as_single(got[key]), value), key)
                else:
                    self.assertEqual(got[key], value, key)
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
            own += be_single(a) + be_single(b) + bytes(4) * 7 + be_single(-0.0) + bytes(20)
        body = info + chunk(b"BEZR", own + bytes(16)) + envc
        path = self.write("odd.kvtrack", track_file(3, body))
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
            4, chunk(b"XTRA", bytes(12)) + bezr([((0, 0, 0), 0), ((1, 0, 0), 0.5)]) + segm([1, 9])
            + segm([2, 4])))
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

    def test_info_and_trace(self):
        result = run("info", self.demo)
        self.assertEqual(result.returncode, 0)
        summary = result.stdout.decode()
        doc = self.dump(self.demo)
        self.assertIn("closed", summary)
        self.assertIn("nodes:     %d" % doc["BezierCount"], summary)
        stations = sum(1 for s in doc["Segments"] if s["SegmentType"] == 1)
        self.assertIn("%d station" % stations, summary)

        result = run("trace", self.demo)
        self.assertEqual(result.returncode, 0, result.stderr)
        trace = json.loads(result.stdout.decode("utf-8"))
        self.assertEqual(trace["TracedSegmentCount"], doc["SegmentCount"])
        self.assertEqual(trace["SpinePointCount"], len(trace["SpinePoints"]))
        samples = sum(s["SampleCount"] for s in trace["TracedSegments"])
        self.assertEqual(trace["SpinePointCount"], samples + 1)  # closed: repeats the first

    # --- set and diff ---------------------------------------------------------------

    def set_and_decode(self, *args):
        out = os.path.join(self.dir, "out.kvtrack")
        result = run("set", self.demo, out, *args)
        self.assertEqual(result.returncode, 0, result.stderr)
        with open(self.demo, "rb") as a, open(out, "rb") as b:
            before, after = a.read(), b.read()
        # Everything outside the SEGM chunk stays byte for byte.
        start = before.index(b"SEGM")
        end = start + 8 + struct.unpack(">i", before[start + 4:start + 8])[0]
        self.assertEqual(len(before), len(after))
        self.assertEqual(before[:start], after[:start])
        self.assertEqual(before[end:], after[end:])
        return decode_nodes_and_segments(before)[1], decode_nodes_and_segments(after)[1]

    def test_set_changes_only_the_named_fields_of_the_chosen_segments(self):
        speed = as_single(45 * 0.277777791023254)
        cases = [  # arguments, chosen segments, the stored values expected
            (("--type", "lift", "LiftMotorSpeed=36kmph", "LiftMotorAccel=2.25",
              "LiftStyle=wheels", "LiftLeftRailing=true"), range(4, 10),
             dict(LiftMotorSpeed=10.0, LiftMotorAccel=2.25, LiftStyle=1, LiftLeftRailing=True)),
            (("--type", "1", "StationMainBrakeDecel=1.5g", "StationWaitAverage=30s",
              "StationEntrance=right", "StationBaseOnly=1", "StationWheelsSpeed=45kmph"),
             range(0, 3), dict(StationMainBrakeDecel=14.7249755859375, StationWaitAverage=30.0,
                               StationEntrance=1, StationBaseOnly=1, StationWheelsSpeed=speed)),
            (("--segments", "36,37", "BrakeTriggerPos=0.25", "BrakeDecel=-2e-1"), [36, 37],
             dict(BrakeTriggerPos=0.25, BrakeDecel=as_single(-0.2))),
            (("--segments", "0,5-7,40", "SpineColour=#112233", "RailsColour=1193046",
              "Tunnel=true"), [0, 5, 6, 7, 40],
             dict(SpineColour=0x332211, RailsColour=0x123456, Tunnel=True)),
            (("--segments", "0-9", "--type", "lift", "Tunnel=true"), range(4, 10),
             dict(Tunnel=True)),
        ]
        for args, chosen, want in cases:
            before, after = self.set_and_decode(*args)
            for i, (old, new) in enumerate(zip(before, after)):
                expected = dict(old, **want) if i in chosen else old
                self.assertEqual(new, expected, (args, i))

    def test_set_through_a_link_edits_its_target_and_keeps_the_mode(self):
        real, link = (os.path.join(self.dir, n) for n in ("real.kvtrack", "link.kvtrack"))
        shutil.copy(self.demo, real)
        os.chmod(real, 0o600)
        os.symlink("real.kvtrack", link)
        result = run("set", link, link, "--segments", "3", "Tunnel=true")
        self.assertEqual(result.returncode, 0, result.stderr)
        self.assertTrue(os.path.islink(link))
        self.assertEqual(stat.S_IMODE(os.stat(real).st_mode), 0o600)
        with open(real, "rb") as f:
            self.assertTrue(decode_nodes_and_segments(f.read())[1][3]["Tunnel"])

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

        # Counts, bookkeeping and Singles by their bits: -0 is not 0, a NaN equals itself.
        nan = struct.unpack(">f", bytes.fromhex("7fc00001"))[0]
        nodes = [((0, 0, 0), 0.0), ((nan, 0, 0), 0)]
        one = self.write("one.kvtrack", track_file(2, bezr(nodes) + segm([0])))
        nodes[0] = ((0, 0, 0), -0.0)
        two = self.write("two.kvtrack", track_file(2, bezr(nodes) + segm([0, 2])))
        result = run("diff", one, two)
        self.assertEqual(result.returncode, 1)
        lines = result.stdout.decode().splitlines()
        self.assertIn("BezierNodes[0].Roll: 0 -> -0", lines)
        self.assertIn("SegmentCount: 1 -> 2", lines)
        self.assertIn("Segments[1].SegmentType: (none) -> 2", lines)
        self.assertIn("SegmLength: %d -> %d" % (21 + 37 + 20, 21 + 37 + 73 + 20), lines)
        self.assertFalse(any(line.startswith("BezierNodes[1]") for line in lines))
        self.assertEqual(run("diff", one, self.write("bad.kvtrack", b"KAVX")).returncode, 2)


if __name__ == "__main__":
    unittest.main()
