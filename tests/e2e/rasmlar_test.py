#!/usr/bin/env python3
"""End-to-end test of the tray menu and the guide window as a new user meets
them, saving their pictures for the README (docs/). On the first start the
guide window is open; the tray icon's menu opens on a click and its last
entry quits, also while the guide window is open. Runs on its own desktop
(see desktop_test.py)."""
import os
import time
import unittest

import desktop_test as dt
import ish_stoli
from ish_stoli import kut


class Rasmlar(unittest.TestCase):
    def setUp(self):
        self.d = dt.Ish(tanishtirildi=False)

    def tearDown(self):
        self.d.yop()

    def ranglar(self, yol, kesim=None):
        """Colour histogram of a picture (or a part of it): {(r, g, b): pixels}."""
        buyruq = ["convert", yol] + (["-crop", kesim] if kesim else []) + ["-format", "%c", "histogram:info:-"]
        r = {}
        for q in self.d.ishlat(*buyruq).stdout.decode().splitlines():
            son, _, qolgan = q.partition(":")
            rang = qolgan.split("(")[1].split(")")[0].replace(" ", "").split(",")[:3]
            r[tuple(int(float(x)) for x in rang)] = r.get(tuple(int(float(x)) for x in rang), 0) + int(son)
        return r

    def geometriya(self, oyna):
        return {k: int(v) for k, v in (q.split("=") for q in self.d.ishlat(
            "xdotool", "getwindowgeometry", "--shell", oyna).stdout.decode().split()) if k != "SCREEN"}

    def test_guide_window_and_tray_menu(self):
        lime = (224, 255, 51)
        # Qt's own helper windows share the title: the guide is the largest.
        kut(lambda: self.d.ishlat("xdotool", "search", "--onlyvisible", "--name", "^Harfnur$").stdout.split())
        time.sleep(0.5)
        oynalar = self.d.ishlat("xdotool", "search", "--onlyvisible", "--name", "^Harfnur$").stdout.decode().split()
        oyna = max(oynalar, key=lambda w: self.geometriya(w)["WIDTH"] * self.geometriya(w)["HEIGHT"])
        qollanma = os.path.join(ish_stoli.ARGS.rasmlar, "qollanma.png")
        ekran = os.path.join(self.d.papka, "ekran.png")
        self.d.ishlat("import", "-window", "root", ekran)
        g = self.geometriya(oyna)
        self.d.ishlat("convert", ekran, "-crop", "%sx%s+%s+%s" % (g["WIDTH"], g["HEIGHT"], g["X"], g["Y"]), "+repage",
                      qollanma)
        self.assertGreater(self.ranglar(qollanma).get(lime, 0), 56 * 56 // 2, "no lime logo in the guide window")

        # The tray icon: a lime tile inside the tray host's window.
        tray = self.d.ishlat("xdotool", "search", "--class", "trayer").stdout.split()[-1].decode()
        g = self.geometriya(tray)
        x, y = g["X"] + g["WIDTH"] - 12, g["Y"] + g["HEIGHT"] // 2
        oldin = os.path.join(self.d.papka, "oldin.png")
        self.d.ishlat("import", "-window", "root", oldin)
        self.assertEqual(self.ranglar(oldin, "1x1+%d+%d" % (x, y)), {lime: 1}, "no tray icon at the tray's end")
        self.d.ishlat("xdotool", "mousemove", str(x), str(y), "click", "3")
        time.sleep(0.8)
        ekran = os.path.join(self.d.papka, "menyu-ekran.png")
        self.d.ishlat("import", "-window", "root", ekran)
        # The menu is what changed on the screen.
        quti = self.d.ishlat("convert", oldin, ekran, "-compose", "difference", "-composite", "-fuzz", "3%",
                             "-format", "%@", "info:").stdout.decode()
        en, _, qolgan = quti.partition("x")
        boy, qx, qy = (int(v) for v in qolgan.replace("+", " ").split())
        self.assertGreater(int(en) * boy, 100 * 40, "no menu opened: " + quti)
        self.assertLess(abs(qx + int(en) - x), 400, "the menu is not at the tray icon: " + quti)
        menyu = os.path.join(ish_stoli.ARGS.rasmlar, "menyu.png")
        self.d.ishlat("convert", ekran, "-crop", "%dx%d+%d+0" % (int(en) + 8, qy + boy + 4, max(qx - 4, 0)), "+repage",
                      menyu)  # with the icon above it

        # The last entry quits, the guide window open or not.
        self.d.ishlat("xdotool", "key", "Up", "Return")
        self.assertEqual(self.d.harfnur.wait(20), 0)


if __name__ == "__main__":
    ish_stoli.main("--qt-maydon")
