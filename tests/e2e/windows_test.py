#!/usr/bin/env python3
"""End-to-end tests of harfnur.exe under Wine on Xvfb with real Windows programs.

Starts Xvfb and openbox, makes a Wine prefix of its own, runs harfnur.exe
in it and drives Wine's Notepad and a Win32 edit field with xdotool.
"""
import getpass
import os
import shutil
import subprocess
import tempfile
import time
import unittest

import ish_stoli
from ish_stoli import kut

RUN = r"HKCU\Software\Microsoft\Windows\CurrentVersion\Run"
TASDIQ = r"HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer\StartupApproved\Run"


class Ish(ish_stoli.Stol):
    """One desktop: X server, window manager, a Wine prefix and harfnur.exe."""

    OGIRISH_MUDDATI = 10
    JOYLASHISH = 1.0

    def __init__(self, tanishtirildi=True, harfnur=True, dpi=96):
        self.papka = tempfile.mkdtemp(prefix="harfnur-wine-")
        self.jarayonlar = []
        self.xvfb = None
        self.muhit = None
        try:
            self.kur(tanishtirildi, harfnur, dpi)
        except BaseException:
            self.yop()  # nothing left running when the desktop could not be set up
            raise

    def kur(self, tanishtirildi, harfnur, dpi):
        self.xvfb, ekran = ish_stoli.xvfb_boshla()
        self.prefix = os.path.join(self.papka, "wine")
        self.muhit = dict(os.environ, DISPLAY=ekran, WINEPREFIX=self.prefix, WINEDEBUG="-all",
                          WINEDLLOVERRIDES="mscoree,mshtml=", LANG="C.UTF-8")
        self.muhit.pop("WAYLAND_DISPLAY", None)
        # No XEmbed tray host: Wine then shows the notification area in a
        # window of its own ("Wine System Tray"), drawn and clicked reliably.
        self.boshla(["openbox"])
        self.boshla(["wineserver", "-p", "-f"])  # kept up between the wine calls
        self.ishlat("wineboot", "-i", muddat=120)
        self.uy = os.path.join(self.prefix, "drive_c", "users", getpass.getuser())
        self.reg("add", r"HKCU\Software\Harfnur", "/v", "jurnal", "/t", "REG_DWORD", "/d", "1", "/f")
        self.reg("add", r"HKCU\Software\Harfnur", "/v", "tanishtirildi", "/t", "REG_DWORD", "/d",
                 "1" if tanishtirildi else "0", "/f")
        self.reg("add", r"HKCU\Control Panel\Desktop", "/v", "LogPixels", "/t", "REG_DWORD", "/d", str(dpi), "/f")
        self.harfnur = None
        if harfnur:
            self.harfnur = self.boshla(["wine", ish_stoli.ARGS.harfnur])
            kut(lambda: "Shift kuzatuvi boshlandi" in self.jurnal(), 20)

    def boshla(self, buyruq, **kw):
        p = subprocess.Popen(buyruq, env=self.muhit, stdout=kw.pop("stdout", subprocess.DEVNULL),
                             stderr=subprocess.DEVNULL, **kw)
        self.jarayonlar.append(p)
        return p

    def ishlat(self, *buyruq, muddat=30):
        # Files, not pipes: Wine's services inherit the handles and would keep
        # a pipe open long after the command has finished.
        with tempfile.TemporaryFile() as chiqish, tempfile.TemporaryFile() as xato:
            r = subprocess.run(list(buyruq), env=self.muhit, stdout=chiqish, stderr=xato, timeout=muddat)
            chiqish.seek(0)
            xato.seek(0)
            return subprocess.CompletedProcess(r.args, r.returncode, chiqish.read(), xato.read())

    def reg(self, *qolgan):
        return self.ishlat("wine", "reg", *qolgan)

    def jurnal_yoli(self):
        return os.path.join(self.uy, "AppData", "Local", "Harfnur", "Harfnur.log")

    def oyna(self, nom):
        def top():
            r = self.ishlat("xdotool", "search", "--onlyvisible", "--name", nom).stdout.split()
            return r[-1].decode() if r else None
        w = kut(top, 20)
        if not w:
            raise AssertionError("no window named %s" % nom)
        self.ishlat("xdotool", "windowactivate", "--sync", w)
        kut(lambda: self.ishlat("xdotool", "getactivewindow").stdout.decode().strip() == w, 3)
        time.sleep(0.3)
        return w

    def maydon(self, matn, bosh=0, oxir=0):
        """The test suite's Win32 edit field; returns a reader of its text."""
        yol = os.path.join(self.papka, "maydon-%d.txt" % len(self.jarayonlar))
        self.boshla(["wine", ish_stoli.ARGS.win_maydon, "maydon", yol, matn, str(bosh), str(oxir)])

        def oqi():
            try:
                with open(yol, encoding="utf-8") as f:
                    return f.read()
            except FileNotFoundError:
                return None
        kut(lambda: oqi() == matn, 10)
        self.oyna("WinMaydon")
        return oqi

    def boy_maydon(self, matn, faqat_matn=False):
        """The test suite's rich field; returns a reader of what it holds or pasted."""
        yol = os.path.join(self.papka, "boy-%d.txt" % len(self.jarayonlar))
        self.boshla(["wine", ish_stoli.ARGS.win_maydon, "boy-matn" if faqat_matn else "boy", yol, matn])

        def oqi():
            try:
                return ish_stoli.oqi(yol)
            except FileNotFoundError:
                return None
        kut(lambda: oqi() == matn, 10)
        self.oyna("WinBoyMaydon")
        return oqi

    def yopish(self, nom):
        self.ishlat("wine", "taskkill", "/f", "/im", nom)
        time.sleep(0.3)

    def bufer(self):
        return self.ishlat("wine", ish_stoli.ARGS.win_maydon, "matn").stdout.decode("utf-8")

    def yop(self):
        if self.muhit:
            try:
                self.ishlat("wineserver", "-k")
            except subprocess.TimeoutExpired:
                pass
        for p in reversed(self.jarayonlar):
            p.terminate()
        for p in self.jarayonlar:
            try:
                p.wait(5)
            except subprocess.TimeoutExpired:
                p.kill()
        if self.xvfb:
            self.xvfb.terminate()
            self.xvfb.wait(5)
        shutil.rmtree(self.papka, ignore_errors=True)


class Desktop(ish_stoli.BirStol, unittest.TestCase):
    stol = Ish

    def notepad(self, nom, matn):
        with open(os.path.join(self.d.prefix, "drive_c", nom), "w", encoding="utf-8-sig") as f:
            f.write(matn)
        self.d.boshla(["wine", "notepad", "C:\\" + nom])
        self.d.oyna(nom)

    def test_a_start_and_watch_lines(self):
        x = self.d.xabarlar()
        self.assertRegex(x[0], r"^ishga tushdi: [A-Z]:\\.*harfnur\.exe, ruxsat=true$")
        self.assertEqual(x[1], "Shift kuzatuvi boshlandi")

    def test_notepad_old_latin_whole_field(self):
        self.notepad("eski.txt", "o'g'il shahar, choy")
        self.d.ishlat("wine", ish_stoli.ARGS.win_maydon, "bufer-qoy")
        avval = self.d.bufer()
        n = self.d.ikki_shift()
        x = self.d.ogirish_tugadi(n)
        self.assertEqual(x[0], "ikki marta Shift: ogirish boshlandi, ruxsat=true")
        self.assertEqual(x[1], "nusxalandi: 19 belgi, o'zgaradi=true")
        # Every Shift change was seen, with its flag.
        qatorlar = self.d.xabarlar()[n:]
        self.assertIn("flagsChanged kod=56 shift=true", qatorlar)
        self.assertIn("flagsChanged kod=56 shift=false", qatorlar)
        self.assertEqual(self.d.bufer(), avval)  # the clipboard came back
        self.d.ishlat("xdotool", "key", "ctrl+a", "ctrl+c")
        self.assertEqual(kut(lambda: self.d.bufer() == "öğil şahar, çoy" and self.d.bufer(), 3), "öğil şahar, çoy")
        self.d.yopish("notepad.exe")

    def test_notepad_cyrillic_through_the_self_test(self):
        self.notepad("kirill.txt", "Тошкент шаҳри, ўзбек тили")
        r = self.d.ishlat("wine", ish_stoli.ARGS.harfnur, "--sinov-ikki-shift")
        self.assertEqual(r.returncode, 0)
        self.assertEqual(r.stdout.decode("utf-8").replace("\r\n", "\n"), "NATIJA: Toşkent şahri, özbek tili\n")
        self.d.yopish("notepad.exe")

    def test_wordpad_keeps_its_formatting(self):
        """Wine's WordPad copies RTF: it goes back converted, so bold and
        italic stay; the clipboard comes back."""
        rtf = (r"{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\f0\fs24 "
               r"Bu {\b o'g'il} shahar, {\i choy}.\par}")
        with open(os.path.join(self.d.prefix, "drive_c", "boy.rtf"), "w", encoding="ascii") as f:
            f.write(rtf)
        self.d.boshla(["wine", "C:\\Program Files\\Windows NT\\Accessories\\wordpad.exe", "C:\\boy.rtf"])
        self.d.oyna("Wordpad")
        self.d.ishlat("wine", ish_stoli.ARGS.win_maydon, "bufer-qoy")
        avval = self.d.bufer()
        n = self.d.ikki_shift()
        x = self.d.ogirish_tugadi(n)
        self.assertTrue(any(q.startswith("nusxalandi: ") and q.endswith("o'zgaradi=true") for q in x), x)
        self.assertEqual(self.d.bufer(), avval)
        self.d.ishlat("xdotool", "key", "ctrl+a", "ctrl+c")
        self.assertEqual(kut(lambda: self.d.bufer().strip() == "Bu öğil şahar, çoy." and self.d.bufer().strip(), 3),
                         "Bu öğil şahar, çoy.")
        qaytdi = self.d.ishlat("wine", ish_stoli.ARGS.win_maydon, "tur", "Rich Text Format").stdout.decode("latin-1")
        self.assertRegex(qaytdi, r"\\b[ \\]", qaytdi)
        self.assertRegex(qaytdi, r"\\i[ \\]", qaytdi)
        self.d.yopish("wordpad.exe")

    def test_selection_in_an_edit_field(self):
        oqi = self.d.maydon("choy va sho'rva", 8, 15)  # "sho'rva" selected
        n = self.d.ikki_shift()
        x = self.d.ogirish_tugadi(n)
        self.assertEqual(x[1], "nusxalandi: 7 belgi, o'zgaradi=true")
        self.assertEqual(kut(lambda: oqi() == "choy va şörva" and oqi(), 3), "choy va şörva")
        self.d.yopish("win_maydon.exe")

    def test_clipboard_with_several_formats_comes_back_whole(self):
        self.d.ishlat("wine", ish_stoli.ARGS.win_maydon, "bufer-qoy")
        avval = self.d.ishlat("wine", ish_stoli.ARGS.win_maydon, "bufer-oqi").stdout.decode().splitlines()
        kerak = [q for q in avval if q.rsplit(" ", 2)[0] in ("#13", "HTML Format", "#8")]
        self.assertEqual(len(kerak), 3, avval)
        oqi = self.d.maydon("sho'x", 0, -1)  # Wine's single-line edit has no Control+A: all selected
        n = self.d.ikki_shift()
        self.d.ogirish_tugadi(n)
        self.assertEqual(kut(lambda: oqi() == "şöx" and oqi(), 3), "şöx")
        keyin = self.d.ishlat("wine", ish_stoli.ARGS.win_maydon, "bufer-oqi").stdout.decode().splitlines()
        for q in kerak:
            self.assertIn(q, keyin)
        # The restore is kept out of clipboard history: it is in there already.
        self.assertTrue(any(q.startswith("CanIncludeInClipboardHistory 4") for q in keyin), keyin)
        self.d.yopish("win_maydon.exe")

    def test_rich_text_pastes_converted_and_the_clipboard_comes_back(self):
        self.d.ishlat("wine", ish_stoli.ARGS.win_maydon, "bufer-qoy")
        bufer = lambda: self.d.ishlat("wine", ish_stoli.ARGS.win_maydon, "bufer-oqi").stdout.decode().splitlines()
        kerak = [q for q in bufer() if q.rsplit(" ", 2)[0] in ("#13", "HTML Format", "#8")]
        self.assertEqual(len(kerak), 3)
        oqi = self.d.boy_maydon("sho'x")
        n = self.d.ikki_shift()
        x = self.d.ogirish_tugadi(n)
        self.assertEqual(x[1], "nusxalandi: 5 belgi, o'zgaradi=true")
        qoyilgan = kut(lambda: oqi() != "sho'x" and oqi(), 5)
        self.assertTrue(qoyilgan, x)
        matn, html = qoyilgan.split("\n", 1)
        self.assertEqual(matn, "şöx")  # both rendered only when the field asked
        self.assertIn("<!--StartFragment--><b>şöx</b><!--EndFragment-->", html)
        # The field's reading was seen, so the earlier content came back at once, whole.
        self.assertTrue(kut(lambda: set(kerak) <= set(bufer()), 3), bufer())
        self.assertNotIn("qo'yish: bufer 3 s ichida o'qilmadi", self.d.xabarlar()[n:])
        self.d.yopish("win_maydon.exe")

    def test_a_held_key_does_not_leak(self):
        oqi = self.d.maydon("ko'cha", 0, -1)
        self.d.ishlat("xdotool", "keydown", "Alt_L")  # held while Harfnur copies and pastes
        try:
            n = self.d.ikki_shift()
            x = self.d.ogirish_tugadi(n)
        finally:
            self.d.ishlat("xdotool", "keyup", "Alt_L")
        self.assertEqual(x[1], "nusxalandi: 6 belgi, o'zgaradi=true")
        self.assertEqual(kut(lambda: oqi() == "köça" and oqi(), 3), "köça")
        self.d.yopish("win_maydon.exe")

    def test_typing_capitals_never_fires(self):
        oqi = self.d.maydon("")
        n = len(self.d.xabarlar())
        self.d.ishlat("xdotool", "type", "--delay", "40", "Salom Toshkent VA SAMARQAND, O'zbekiston")
        time.sleep(1.5)
        self.assertEqual(oqi(), "Salom Toshkent VA SAMARQAND, O'zbekiston")
        self.assertFalse([s for s in self.d.xabarlar()[n:] if s.startswith("ikki marta Shift")])
        self.d.yopish("win_maydon.exe")

    def test_one_instance_and_a_second_start_shows_the_guide(self):
        self.assertFalse(self.d.ishlat("xdotool", "search", "--onlyvisible", "--name", "^Harfnur$").stdout)
        r = self.d.ishlat("wine", ish_stoli.ARGS.harfnur)
        self.assertEqual(r.returncode, 0)
        self.assertIsNone(self.d.harfnur.poll())  # the first one still runs
        self.d.oyna("^Harfnur$")  # ...and shows its guide window
        self.d.ishlat("xdotool", "key", "Escape")
        self.assertTrue(kut(lambda: not self.d.ishlat("xdotool", "search", "--onlyvisible", "--name",
                                                      "^Harfnur$").stdout, 3))

    def test_hook_is_installed_again_on_resume_and_unlock(self):
        xabar = lambda x, w: self.d.ishlat("wine", ish_stoli.ARGS.win_maydon, "xabar", x, w)
        for x, w, sabab in (("0x218", "0x12", "uyg'onish"), ("0x2B1", "0x8", "sessiya ochildi")):
            n = len(self.d.xabarlar())
            self.assertEqual(xabar(x, w).returncode, 0)  # WM_POWERBROADCAST, WM_WTSSESSION_CHANGE
            satr = "klaviatura ilmog'i qayta o'rnatildi (%s)" % sabab
            self.assertTrue(kut(lambda: satr in self.d.xabarlar()[n:], 5), self.d.xabarlar()[n:])
        n = len(self.d.xabarlar())
        self.assertEqual(xabar("0x218", "0x4").returncode, 0)  # going to sleep: nothing to do
        time.sleep(0.5)
        self.assertFalse([q for q in self.d.xabarlar()[n:] if "ilmog'i" in q])
        # The new hook sees the taps.
        oqi = self.d.maydon("ko'z", 0, -1)
        n = self.d.ikki_shift()
        self.d.ogirish_tugadi(n)
        self.assertEqual(kut(lambda: oqi() == "köz" and oqi(), 3), "köz")
        self.d.yopish("win_maydon.exe")

    def test_an_owner_that_hangs_stops_no_conversion(self):
        tayyor = os.path.join(self.d.papka, "osilgan-ega")
        self.d.boshla(["wine", ish_stoli.ARGS.win_maydon, "osilgan-ega", tayyor])
        self.assertTrue(kut(lambda: os.path.exists(tayyor), 10))
        time.sleep(6)  # Wine calls a thread hung after 5 s without taking a message
        oqi = self.d.maydon("sho'x", 0, -1)
        bosh = time.time()
        n = self.d.ikki_shift()
        x = self.d.ogirish_tugadi(n)
        # Its text, the locale Windows adds to it, and its delayed format.
        self.assertIn("bufer: 3 tur o'qilmadi", x)
        self.assertEqual(kut(lambda: oqi() == "şöx" and oqi(), 3), "şöx")
        self.assertLess(time.time() - bosh, 6)
        # Nothing was read, so nothing comes back; and the clipboard is not held.
        self.assertEqual(self.d.bufer(), "şöx")
        self.d.yopish("win_maydon.exe")

    def test_unicode_text_comes_back_when_ansi_text_came_first(self):
        self.d.ishlat("wine", ish_stoli.ARGS.win_maydon, "bufer-ansi")
        avval = self.d.ishlat("wine", ish_stoli.ARGS.win_maydon, "bufer-oqi").stdout.decode().splitlines()
        self.assertTrue(avval[0].startswith("#1 "), avval)  # the ANSI text first
        oqi = self.d.maydon("sho'x", 0, -1)
        n = self.d.ikki_shift()
        self.d.ogirish_tugadi(n)
        self.assertEqual(kut(lambda: oqi() == "şöx" and oqi(), 3), "şöx")
        self.assertEqual(kut(lambda: self.d.bufer() == "қўшиқ ғоя ҳа" and self.d.bufer(), 3), "қўшиқ ғоя ҳа")
        self.d.yopish("win_maydon.exe")

    def test_an_enhanced_metafile_comes_back(self):
        self.d.ishlat("wine", ish_stoli.ARGS.win_maydon, "bufer-emf")
        oqish = lambda: self.d.ishlat("wine", ish_stoli.ARGS.win_maydon, "bufer-oqi").stdout.decode().splitlines()
        emf = [q for q in oqish() if q.startswith("#14 ")]
        self.assertEqual(len(emf), 1)
        self.assertGreater(int(emf[0].split()[1]), 100)
        oqi = self.d.maydon("sho'x", 0, -1)
        n = self.d.ikki_shift()
        x = self.d.ogirish_tugadi(n)
        self.assertNotIn("bufer qaytarildi", " ".join(x))  # every format went back
        self.assertEqual(kut(lambda: oqi() == "şöx" and oqi(), 3), "şöx")
        self.assertTrue(kut(lambda: emf[0] in oqish(), 3), oqish())  # the same bits
        self.assertEqual(self.d.bufer(), "rasm")
        self.d.yopish("win_maydon.exe")

    def test_version_on_the_console(self):
        r = self.d.ishlat("wine", ish_stoli.ARGS.harfnur, "--version")
        self.assertEqual(r.returncode, 0)
        self.assertRegex(r.stdout.decode(), r"^harfnur \d+\.\d+\.\d+\r?\n$")


class FirstLaunch(unittest.TestCase):
    def test_tray_menu_guide_window_and_login_item(self):
        d = Ish(tanishtirildi=False, dpi=144)  # 150 %
        try:
            w = d.oyna("^Harfnur$")
            time.sleep(0.5)
            yol = d.rasm("e2e-win-guide.png")
            self.assertGreater(d.lime_soni(yol), 84 * 84 // 2, "no lime logo tile on screen")
            # The model's 500 points, scaled for the display.
            kenglik = d.ishlat("xwininfo", "-id", w).stdout.decode()
            self.assertIn("Width: 750\n", kenglik)
            # The icon in Wine's notification area: the lime tile.
            nuqta = kut(lambda: tray_nuqtasi(d), 8)
            self.assertTrue(nuqta, "no lime icon in the notification area")
            # The first launch registered the login item.
            r = d.reg("query", RUN, "/v", "Harfnur").stdout.decode()
            self.assertIn("harfnur.exe", r)
            # The switch (before the default button in the tab order) turns the login item off.
            # It comes before the taps, whose Control+C into this window may move the focus.
            d.oyna("^Harfnur$")
            d.ishlat("xdotool", "key", "shift+Tab", "space")
            self.assertTrue(kut(lambda: b"Harfnur" not in d.reg("query", RUN).stdout, 5), "the Run value stayed")
            # Turned on again while Task Manager had it off: the user's choice wins.
            d.reg("add", TASDIQ, "/v", "Harfnur", "/t", "REG_BINARY", "/d", "030000000000000000000000", "/f")
            d.oyna("^Harfnur$")
            d.ishlat("xdotool", "key", "shift+Tab", "space")
            self.assertTrue(kut(lambda: b"harfnur.exe" in d.reg("query", RUN, "/v", "Harfnur").stdout, 5))
            self.assertNotIn(b"Harfnur", d.reg("query", TASDIQ).stdout)
            d.oyna("^Harfnur$")
            d.ishlat("xdotool", "key", "shift+Tab", "space")
            self.assertTrue(kut(lambda: b"Harfnur" not in d.reg("query", RUN).stdout, 5))
            # Taps while our own window has the focus count, once.
            n = d.ikki_shift()
            d.ogirish_tugadi(n)
            self.assertEqual(sum(x.startswith("ikki marta Shift") for x in d.xabarlar()[n:]), 1)
            d.oyna("^Harfnur$")
            d.ishlat("xdotool", "key", "Return")  # the default button hides the window
            self.assertTrue(kut(lambda: not d.ishlat("xdotool", "search", "--onlyvisible", "--name", "^Harfnur$").stdout, 3))
            # The tray menu: right click on the icon.
            x, y = tray_nuqtasi(d)
            oldin = d.rasm("e2e-win-tray.png")
            d.ishlat("xdotool", "mousemove", str(x), str(y), "click", "3")
            time.sleep(1.0)
            menyu = d.rasm("e2e-win-tray-menu.png")
            farq = d.ishlat("compare", "-metric", "AE", "-crop", "400x200+%d+%d" % (x, y), oldin, menyu,
                            "null:").stderr.decode()
            self.assertGreater(float(farq.split()[0]), 5000, "no menu at the tray icon")
            # The settings entry (the second row, at 150 %) shows the one window again...
            d.ishlat("xdotool", "mousemove", str(x + 100), str(y + 52), "click", "1")
            korinadi = lambda: d.ishlat("xdotool", "search", "--onlyvisible", "--name", "^Harfnur$").stdout.split()
            self.assertEqual(len(kut(korinadi, 5)), 1)
            # ...and Control+Q there quits.
            d.oyna("^Harfnur$")
            d.ishlat("xdotool", "key", "ctrl+q")
            self.assertEqual(d.harfnur.wait(10), 0)
        finally:
            d.yop()


def tray_nuqtasi(d):
    """The centre of the lime icon in Wine's notification-area window, or None."""
    for q in d.ishlat("xwininfo", "-root", "-tree").stdout.decode().splitlines():
        if '"Wine System Tray"' in q:
            olcham, joy = q.split()[-2:]
            w, h = [int(v) for v in olcham.split("+")[0].split("x")]
            ox, oy = [int(v) for v in joy.lstrip("+").split("+")]
            break
    else:
        return None
    rasm = d.rasm("e2e-win-tray.png")
    out = d.ishlat("convert", rasm, "-crop", "%dx%d+%d+%d" % (w, h, ox, oy), "+repage", "-fill", "black", "+opaque",
                   "rgb(224,255,51)", "-fill", "white", "-opaque", "rgb(224,255,51)", "-trim", "-format",
                   "%w %h %X %Y", "info:").stdout.decode().replace("+", "").split()
    if len(out) != 4 or int(out[0]) < 8:
        return None
    iw, ih, ix, iy = [int(v) for v in out]
    return ox + ix + iw // 2, oy + iy + ih // 2


class Leaving(unittest.TestCase):
    def test_what_nobody_pasted_yet_outlives_harfnur(self):
        d = Ish(tanishtirildi=False)  # the window whose Control+Q quits
        try:
            self.assertEqual(d.bufer(), "")  # nothing earlier: the converted item stays
            oqi = d.boy_maydon("sho'x", faqat_matn=True)
            n = d.ikki_shift()
            d.ogirish_tugadi(n)
            self.assertEqual(kut(lambda: oqi() == "şöx\n" and oqi(), 3), "şöx\n")
            d.yopish("win_maydon.exe")
            d.oyna("^Harfnur$")
            d.ishlat("xdotool", "key", "ctrl+q")
            self.assertEqual(d.harfnur.wait(10), 0)
            # The HTML nobody asked for was put there before Harfnur went.
            qatorlar = d.ishlat("wine", ish_stoli.ARGS.win_maydon, "bufer-oqi").stdout.decode().splitlines()
            html = [q for q in qatorlar if q.startswith("HTML Format ")]
            self.assertEqual(len(html), 1, qatorlar)
            self.assertGreater(int(html[0].split()[2]), 0, qatorlar)
            self.assertEqual(d.bufer(), "şöx")
        finally:
            d.yop()


class PoliteEnd(unittest.TestCase):
    def test_taskkill_without_force_ends_it_and_frees_the_name(self):
        d = Ish(tanishtirildi=True)
        try:
            self.assertTrue(kut(lambda: tray_nuqtasi(d), 8), "no icon in the notification area")
            r = d.ishlat("wine", "taskkill", "/im", "harfnur.exe")  # WM_CLOSE, not TerminateProcess
            self.assertEqual(r.returncode, 0, r.stdout + r.stderr)
            self.assertEqual(d.harfnur.wait(10), 0)
            self.assertTrue(kut(lambda: not tray_nuqtasi(d), 5), "the icon stayed")
            # The single-instance name went with it: a new start runs.
            n = len(d.xabarlar())
            ikkinchi = d.boshla(["wine", ish_stoli.ARGS.harfnur])
            self.assertTrue(kut(lambda: "Shift kuzatuvi boshlandi" in d.xabarlar()[n:], 20), d.xabarlar()[n:])
            self.assertIsNone(ikkinchi.poll())
        finally:
            d.yop()


class ZipLocation(unittest.TestCase):
    def test_run_from_inside_an_archive_is_refused(self):
        d = Ish(harfnur=False)
        try:
            papka = os.path.join(d.uy, "AppData", "Local", "Temp", "Temp1_Harfnur-win64.zip", "Harfnur")
            os.makedirs(papka)
            exe = os.path.join(papka, "harfnur.exe")
            shutil.copy(ish_stoli.ARGS.harfnur, exe)
            p = d.boshla(["wine", exe])
            d.oyna("^Harfnur$")
            d.rasm("e2e-win-zip-alert.png")
            self.assertIsNone(p.poll())  # waits for the button
            d.ishlat("xdotool", "key", "Return")
            self.assertEqual(p.wait(15), 0)
            self.assertEqual(d.jurnal(), "")  # no start line, nothing else
            self.assertNotIn(b"Harfnur", d.reg("query", RUN).stdout)
        finally:
            d.yop()


if __name__ == "__main__":
    ish_stoli.main("--win-maydon", kerak=("Xvfb", "openbox", "wine", "wineboot", "wineserver", "xdotool", "xwininfo",
                                          "import", "convert", "compare"), kerakli="scripts/windows.sh")
