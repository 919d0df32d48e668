#!/usr/bin/env python3
"""The real self-test, `harfnur --sinov-ikki-shift`, against a running
Harfnur and a focused Qt field on Xvfb."""
import argparse
import os
import subprocess
import sys
import tempfile
import unittest

import desktop_test as dt
from desktop_test import Ish, kut


def oqi(yol):
    with open(yol, encoding="utf-8") as f:
        return f.read()


class SelfTest(unittest.TestCase):
    def test_converts_the_focused_field_and_prints_one_line(self):
        d = Ish()
        try:
            yol = os.path.join(d.papka, "qt.txt")
            d.boshla([dt.ARGS.qt_maydon, yol, "o'g'il va shahar"])
            d.oyna("QtMaydon")
            r = subprocess.run([dt.ARGS.harfnur, "--sinov-ikki-shift"], env=d.muhit, capture_output=True, timeout=20)
            self.assertEqual(r.returncode, 0, r.stderr)
            self.assertEqual(r.stdout.decode().splitlines(), ["NATIJA: öğil va şahar"])
            self.assertTrue(r.stdout.endswith(b"\n"))
            self.assertEqual(kut(lambda: oqi(yol) == "öğil va şahar" and "ok", 3), "ok")
            self.assertIsNone(d.harfnur.poll())  # the self-test did not take the running one's place
        finally:
            d.yop()

    def test_without_a_display_it_fails(self):
        env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY")}
        r = subprocess.run([dt.ARGS.harfnur, "--sinov-ikki-shift"], env=env, capture_output=True, timeout=10)
        self.assertEqual(r.returncode, 1)
        self.assertEqual(r.stdout, b"")
        self.assertIn(b"needs an X11 session", r.stderr)


if __name__ == "__main__":
    a = argparse.ArgumentParser()
    a.add_argument("--harfnur", required=True)
    a.add_argument("--qt-maydon", required=True)
    a.add_argument("--rasmlar", default=tempfile.gettempdir())
    dt.ARGS, qolgan = a.parse_known_args()
    unittest.main(argv=[sys.argv[0]] + qolgan, verbosity=2)
