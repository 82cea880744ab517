#!/usr/bin/env python3
"""The editor's command line answers without a display, before the toolkit starts."""
import os
import subprocess
import sys
import unittest

TORNELLE = sys.argv.pop(1)
VERSION = sys.argv.pop(1)
NO_DISPLAY = {k: v for k, v in os.environ.items()
              if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}


class CommandLineTest(unittest.TestCase):
    def test_answers_and_refusals(self):
        usage = "usage: tornelle [--simulator PATH] [FILE]\n"
        # Arguments, exit code, and what standard output and error start with ("": empty).
        cases = [
            (["--help"], 0, usage, ""),
            (["--version"], 0, "Tornelle %s\n" % VERSION, ""),
            (["a.kvtrack", "b.kvtrack"], 2, "", usage),
            (["--frobnicate"], 2, "", usage),
        ]
        for args, code, out, err in cases:
            result = subprocess.run([TORNELLE] + args, env=NO_DISPLAY, capture_output=True,
                                    text=True, timeout=30)
            self.assertEqual(result.returncode, code, args)
            self.assertEqual(result.stdout[:len(out) or None], out, args)
            self.assertEqual(result.stderr[:len(err) or None], err, args)


if __name__ == "__main__":
    unittest.main()
