#!/usr/bin/env python3
"""Harfnur on a desktop without a system tray host (Xvfb and openbox, no
trayer), as on a stock GNOME session without an AppIndicator extension: the
guide window is the only way in, so it must show, and come back when the
program is started again."""
import os
import time
import unittest

import ish_stoli
from desktop_test import Ish
from ish_stoli import kut, oqi


def korinadigan(d, nom="^Harfnur$"):
    """Ids of the mapped windows with this name."""
    return d.ishlat("xdotool", "search", "--onlyvisible", "--name", nom).stdout.decode().split()


def faol(d):
    return d.ishlat("xdotool", "getactivewindow").stdout.decode().strip()


class NoTray(unittest.TestCase):
    def test_first_launch_shows_the_guide(self):
        # A fresh home each time: the first launch, five times over, with the
        # window manager started together with Harfnur, as at login. One
        # that is still starting may drop the window's map request.
        for marta in range(5):
            d = Ish(tanishtirildi=False, tray=False, kutish=0)
            try:
                self.assertTrue(kut(lambda: korinadigan(d), 10), "try %d: no guide window on screen" % marta)
                if marta == 0:
                    d.rasm("e2e-no-tray.png")
                with open(os.path.join(d.uy, ".config", "Harfnur", "Harfnur.conf")) as f:
                    self.assertIn("tanishtirildi=true", f.read())
            finally:
                d.yop()

    def test_starting_again_opens_the_running_ones_window(self):
        d = Ish(tanishtirildi=True, tray=False)
        try:
            self.assertIn("ruxsat=true", d.jurnal())
            self.assertEqual(korinadigan(d), [])  # a later launch with everything granted opens nothing
            # Another application's window is in front.
            yol = os.path.join(d.papka, "qt.txt")
            d.boshla([ish_stoli.ARGS.qt_maydon, yol])
            boshqa = d.oyna("QtMaydon")
            d.yoz("salom")  # the user works there: a window manager guards its focus
            self.assertTrue(kut(lambda: os.path.exists(yol) and oqi(yol) == "salom", 3))
            self.assertEqual(faol(d), boshqa)

            r = d.ishlat(ish_stoli.ARGS.harfnur)
            self.assertEqual(r.returncode, 0)
            self.assertIn(b"allaqachon ishlayapti", r.stderr)
            self.assertIn(b"its window is opened", r.stderr)
            self.assertIsNone(d.harfnur.poll())
            oyna = kut(lambda: korinadigan(d), 5)
            self.assertTrue(oyna, "the guide did not open")
            # In front of the other window, with the keyboard focus.
            self.assertTrue(kut(lambda: faol(d) == oyna[0], 3), "the guide opened behind")

            d.ishlat("xdotool", "key", "Return")  # the footer button closes it
            self.assertTrue(kut(lambda: not korinadigan(d), 3))
            self.assertEqual(d.ishlat(ish_stoli.ARGS.harfnur).returncode, 0)
            self.assertEqual(kut(lambda: korinadigan(d), 5), oyna)  # the same window again
        finally:
            d.yop()


class NoXtest(unittest.TestCase):
    def test_the_guide_opens_on_each_launch_and_says_what_is_missing(self):
        d = Ish(tanishtirildi=True, tray=False, xvfb_args=("-extension", "XTEST"))
        try:
            self.assertIn("ruxsat=false", d.jurnal())
            self.assertTrue(kut(lambda: korinadigan(d), 10), "no guide window while XTEST is missing")
            time.sleep(0.3)
            d.rasm("e2e-no-xtest.png")
        finally:
            d.yop()


if __name__ == "__main__":
    ish_stoli.main("--qt-maydon")
