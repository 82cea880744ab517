"""Small track files encoded byte by byte for the end-to-end tests, independently of the
program's own writer, and the helpers that run kvtrack on them."""
import json
import os
import struct
import subprocess


def be_long(v):
    return struct.pack(">i", v)


def f32(*values):
    return b"".join(struct.pack(">f", v) for v in values)


def text(b):
    return be_long(len(b)) + b


def chunk(tag, own, children=0, descendants=b""):
    body = own + be_long(children) + descendants
    return tag + be_long(len(body)) + body


def track_file(*chunks):
    return chunk(b"KAVR", bytes([1, 3, 0, 0]) + bytes(16), len(chunks), b"".join(chunks))


def bezr(nodes):
    """Nodes as (position, roll), each control point on its node."""
    own = b"".join(f32(*pos) * 3 + f32(roll) + bytes(20) for pos, roll in nodes)
    return chunk(b"BEZR", bytes(16) + be_long(len(nodes)) + own + bytes(16))


def segment(kind, block=b""):
    """A segment record of `kind` with its settings block; None: a type without one."""
    head = be_long(kind) + b"\x00" + bytes.fromhex("00102030") * 3 + b"\x00" + bytes(15)
    return head if block is None else head + be_long(len(block)) + block


def segm(segments, closed=True):
    own = be_long(len(segments)) + bytes([closed]) + bytes(16) + b"".join(segments)
    return chunk(b"SEGM", own + bytes(16))


# The segments by type, each with its settings at their place in the block.
def plain():
    return segment(0)


def station():
    return segment(1, bytes(126))


def lift(speed, accel=0, decel=0):
    return segment(2, bytes(4) + f32(speed, accel, decel) + bytes(20))


def transport(speed):
    return segment(3, f32(speed) + bytes(24))


def brake(limit, decel, complete_stop=False):
    return segment(4, f32(limit, decel) + bytes(28) + bytes([complete_stop]) + bytes(13))


def track(points, segments, closed=True):
    """A track of straight segments from each point to the next."""
    return track_file(bezr([(p, 0) for p in points]), segm(segments, closed))


def write(folder, name, data):
    path = os.path.join(folder, name)
    with open(path, "wb") as f:
        f.write(data)
    return path


class Kvtrack:
    """The kvtrack program under test."""

    def __init__(self, program):
        self.program = program

    def run(self, *args):
        return subprocess.run([self.program, *args], capture_output=True)

    def json(self, *args, code=0):
        result = self.run(*args)
        assert result.returncode == code, result.stderr
        return json.loads(result.stdout.decode("utf-8"))
