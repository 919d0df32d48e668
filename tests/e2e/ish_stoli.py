"""What the end-to-end scripts share: polling, the X server, the double
Shift as the user taps it, the log's conversion lines and the command line."""
import argparse
import os
import shutil
import subprocess
import sys
import tempfile
import time
import unittest

ARGS = None


def kut(shart, muddat=8.0, qadam=0.05):
    """Polls `shart` until it returns something truthy or `muddat` passes."""
    oxir = time.time() + muddat
    while time.time() < oxir:
        r = shart()
        if r:
            return r
        time.sleep(qadam)
    return shart()


def oqi(yol):
    with open(yol, encoding="utf-8") as f:
        return f.read()


def xvfb_boshla(qoshimcha=()):
    """Starts Xvfb on a free display; the process and its DISPLAY value."""
    r, w = os.pipe()
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(w), "-screen", "0", "1024x768x24", "-nolisten", "tcp",
                             *qoshimcha],
                            pass_fds=(w,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(w)
    raqam = b""
    try:
        while not raqam.endswith(b"\n"):
            b = os.read(r, 16)
            if not b:
                raise RuntimeError("Xvfb did not start")
            raqam += b
    except BaseException:
        xvfb.kill()
        xvfb.wait()
        raise
    finally:
        os.close(r)
    return xvfb, ":" + raqam.decode().strip()


class Stol:
    """A desktop's shared moves; the desktop gives `ishlat` and `jurnal_yoli`."""

    OGIRISH_MUDDATI = 8  # seconds for a conversion to reach its copy
    JOYLASHISH = 0.8  # then for the paste to settle and the clipboard to come back

    def jurnal(self):
        try:
            with open(self.jurnal_yoli(), encoding="utf-8") as f:
                return f.read()
        except FileNotFoundError:
            return ""

    def xabarlar(self):
        return [q[26:] for q in self.jurnal().splitlines()]

    def ikki_shift(self):
        """Two quick taps of Shift, sent through XTEST like the user's own."""
        n = len(self.xabarlar())
        for _ in range(2):
            self.ishlat("xdotool", "keydown", "Shift_L")
            time.sleep(0.05)
            self.ishlat("xdotool", "keyup", "Shift_L")
            time.sleep(0.1)
        return n

    def ogirish_tugadi(self, n):
        """Waits for the conversion started after log line n to finish."""
        def tugadimi():
            return any(s.startswith("nusxalandi") or s == "nusxalab bo'lmadi" for s in self.xabarlar()[n:])
        kut(tugadimi, self.OGIRISH_MUDDATI)
        time.sleep(self.JOYLASHISH)
        return [s for s in self.xabarlar()[n:] if not s.startswith("flagsChanged")]

    def rasm(self, nom):
        yol = os.path.join(ARGS.rasmlar, nom)
        self.ishlat("import", "-window", "root", yol)
        return yol

    def lime_soni(self, yol, kesim=None):
        """Pixels of the logo's lime (224,255,51) in a picture or a part of it."""
        buyruq = ["convert", yol] + (["-crop", kesim] if kesim else []) + ["-format", "%c", "histogram:info:-"]
        out = self.ishlat(*buyruq).stdout.decode()
        return sum(int(q.split(":")[0]) for q in out.splitlines() if "(224,255,51" in q.replace(" ", ""))


class BirStol:
    """For a TestCase whose tests share one desktop, `d`, made by `stol()`."""

    @classmethod
    def setUpClass(cls):
        cls.d = cls.stol()

    @classmethod
    def tearDownClass(cls):
        cls.d.yop()


def main(*dasturlar, kerak=(), kerakli="scripts/kerakli.sh"):
    """Reads --harfnur, --rasmlar and the paths of the given helper programs
    into ARGS, checks the tools in `kerak` are installed, runs the tests."""
    global ARGS
    a = argparse.ArgumentParser()
    a.add_argument("--harfnur", required=True)
    for d in dasturlar:
        a.add_argument(d, required=True)
    a.add_argument("--rasmlar", default=tempfile.gettempdir())
    ARGS, qolgan = a.parse_known_args()
    for k in kerak:
        if not shutil.which(k):
            sys.exit("missing %s: run %s test" % (k, kerakli))
    unittest.main(module="__main__", argv=[sys.argv[0]] + qolgan, verbosity=2)
