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
        cases = [  # arguments, exit code, the stream that carries the answer
            (["--help"], 0, "stdout"),
            (["--version"], 0, "stdout"),
            (["a.kvtrack", "b.kvtrack"], 2, "stderr"),
            (["--frobnicate"], 2, "stderr"),
            (["--help", "a.kvtrack"], 2, "stderr"),
        ]
        for args, code, stream in cases:
            result = subprocess.run([TORNELLE] + args, env=NO_DISPLAY, capture_output=True,
                                    text=True, timeout=30)
            self.assertEqual(result.returncode, code, args)
            other = "stderr" if stream == "stdout" else "stdout"
            self.assertEqual(getattr(result, other), "", args)
            answer = getattr(result, stream)
            if args == ["--version"]:
                self.assertEqual(answer, "Tornelle %s\n" % VERSION)
            else:
                self.assertTrue(answer.startswith("usage: tornelle [FILE]\n"), args)


if __name__ == "__main__":
    unittest.main()
