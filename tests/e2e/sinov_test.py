#!/usr/bin/env python3
"""The real self-test, `harfnur --sinov-ikki-shift`, against a running
Harfnur and a focused Qt field on Xvfb."""
import os
import subprocess
import unittest

import ish_stoli
from desktop_test import Ish
from ish_stoli import kut, oqi


class SelfTest(unittest.TestCase):
    def test_converts_the_focused_field_and_prints_one_line(self):
        d = Ish()
        try:
            yol = os.path.join(d.papka, "qt.txt")
            d.boshla([ish_stoli.ARGS.qt_maydon, yol, "o'g'il va shahar"])
            d.oyna("QtMaydon")
            r = subprocess.run([ish_stoli.ARGS.harfnur, "--sinov-ikki-shift"], env=d.muhit, capture_output=True,
                               timeout=20)
            self.assertEqual(r.returncode, 0, r.stderr)
            self.assertEqual(r.stdout.decode().splitlines(), ["NATIJA: öğil va şahar"])
            self.assertTrue(r.stdout.endswith(b"\n"))
            self.assertEqual(kut(lambda: oqi(yol) == "öğil va şahar" and "ok", 3), "ok")
            self.assertIsNone(d.harfnur.poll())  # the self-test did not take the running one's place
        finally:
            d.yop()

    def test_without_a_display_it_fails(self):
        env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY")}
        r = subprocess.run([ish_stoli.ARGS.harfnur, "--sinov-ikki-shift"], env=env, capture_output=True, timeout=10)
        self.assertEqual(r.returncode, 1)
        self.assertEqual(r.stdout, b"")
        self.assertIn(b"needs an X11 session", r.stderr)


if __name__ == "__main__":
    ish_stoli.main("--qt-maydon")
