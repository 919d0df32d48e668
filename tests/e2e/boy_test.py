#!/usr/bin/env python3
"""End-to-end tests of rich text with real editors: a double Shift in
LibreOffice Writer and in a Chromium page converts the text and keeps the
heading, bold, italic, links, table, list and picture. Each editor's own copy
reads the document before and after. Runs on its own desktop (see
desktop_test.py)."""
import base64
import ctypes
import hashlib
import html
import os
import re
import shutil
import signal
import struct
import subprocess
import sys
import tempfile
import time
import unittest
import zlib

import desktop_test as dt
import ish_stoli
from ish_stoli import kut

AVVALGI = "avvalgi bufer".encode()
SATR = "Toshkent shahari katta, cho'l esa keng, san'at. G'alaba bog'i."
SATR_YANGI = "Toşkent şahari katta, çöl esa keng, sanʼat. Ğalaba boği."


def png(en=48, bo=32):
    """A lime rectangle as PNG bytes, made here rather than kept as a file."""
    def bolak(tur, baytlar):
        return struct.pack(">I", len(baytlar)) + tur + baytlar + struct.pack(">I", zlib.crc32(tur + baytlar))
    qatorlar = b"".join(b"\x00" + bytes((224, 255, 51)) * en for _ in range(bo))
    return (b"\x89PNG\r\n\x1a\n" + bolak(b"IHDR", struct.pack(">IIBBBBB", en, bo, 8, 2, 0, 0, 0))
            + bolak(b"IDAT", zlib.compress(qatorlar)) + bolak(b"IEND", b""))


# A flat ODF text: text first, so that Control+A selects the whole document
# and not one table cell.
FODT = """<?xml version="1.0" encoding="UTF-8"?>
<office:document xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0"
 xmlns:style="urn:oasis:names:tc:opendocument:xmlns:style:1.0"
 xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0"
 xmlns:table="urn:oasis:names:tc:opendocument:xmlns:table:1.0"
 xmlns:draw="urn:oasis:names:tc:opendocument:xmlns:drawing:1.0"
 xmlns:fo="urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0"
 xmlns:xlink="http://www.w3.org/1999/xlink"
 xmlns:svg="urn:oasis:names:tc:opendocument:xmlns:svg-compatible:1.0"
 office:version="1.3" office:mimetype="application/vnd.oasis.opendocument.text">
 <office:styles>
  <style:style style:name="Heading_20_1" style:display-name="Heading 1" style:family="paragraph"
   style:default-outline-level="1" style:class="text">
   <style:text-properties fo:font-size="150%" fo:font-weight="bold"/>
  </style:style>
 </office:styles>
 <office:automatic-styles>
  <style:style style:name="Q" style:family="text"><style:text-properties fo:font-weight="bold"/></style:style>
  <style:style style:name="E" style:family="text"><style:text-properties fo:font-style="italic"/></style:style>
 </office:automatic-styles>
 <office:body><office:text>
  <text:h text:style-name="Heading_20_1" text:outline-level="1">O'zbek tili haqida</text:h>
  <text:p>Toshkent <text:span text:style-name="Q">shahar</text:span>i katta, <text:span
   text:style-name="E">cho'l</text:span> esa keng, san'at. <text:a xlink:type="simple"
   xlink:href="https://misol.uz/">G'alaba</text:a> bog'i.</text:p>
  <table:table table:name="Jadval">
   <table:table-column table:number-columns-repeated="2"/>
   <table:table-row>
    <table:table-cell office:value-type="string"><text:p>o'g'il</text:p></table:table-cell>
    <table:table-cell office:value-type="string"><text:p>qiz</text:p></table:table-cell>
   </table:table-row>
   <table:table-row>
    <table:table-cell office:value-type="string"><text:p>shoir</text:p></table:table-cell>
    <table:table-cell office:value-type="string"><text:p>choy</text:p></table:table-cell>
   </table:table-row>
  </table:table>
  <text:p>Rasm: <draw:frame draw:name="Rasm" text:anchor-type="as-char" svg:width="2cm"
   svg:height="1.3cm"><draw:image><office:binary-data>RASM</office:binary-data></draw:image></draw:frame
   > sho'x.</text:p>
 </office:text></office:body>
</office:document>
"""

# A fresh profile shows no tip of the day and checks no spelling.
PROFIL = """<?xml version="1.0" encoding="UTF-8"?>
<oor:items xmlns:oor="http://openoffice.org/2001/registry" xmlns:xs="http://www.w3.org/2001/XMLSchema"
 xmlns:xsi="http://www.w3.org/2001/XMLSchema-instance">
<item oor:path="/org.openoffice.Office.Common/Misc">
 <prop oor:name="ShowTipOfTheDay" oor:op="fuse"><value>false</value></prop></item>
<item oor:path="/org.openoffice.Office.Common/Misc">
 <prop oor:name="FirstRun" oor:op="fuse"><value>false</value></prop></item>
<item oor:path="/org.openoffice.Office.Linguistic/SpellChecking">
 <prop oor:name="IsSpellAuto" oor:op="fuse"><value>false</value></prop></item>
</oor:items>
"""

# The editable takes the focus itself, the caret at its end, nothing selected.
SAHIFA = """<!DOCTYPE html>
<html><head><meta charset="utf-8"><title>BoySahifa</title></head>
<body><div id="m" contenteditable="true" style="font-size:20px">
<p>Toshkent <b>shahar</b>i katta, <i>cho'l</i> esa keng, san'at. <a href="https://misol.uz/">G'alaba</a> bog'i.</p>
<ul><li>o'g'il</li><li>choy</li></ul>
</div>
<script>
const m = document.getElementById("m");
m.focus();
const r = document.createRange();
r.selectNodeContents(m);
r.collapse(false);
getSelection().removeAllRanges();
getSelection().addRange(r);
</script></body></html>
"""


def belgilar(h):
    """How many of each kind of formatting a copied HTML holds."""
    h = re.sub(r"(?is)<head\b.*?</head>", "", h)  # a style sheet is no formatting of the text

    def soni(naqsh):
        return len(re.findall(naqsh, h, re.I))
    return {"sarlavha": soni(r"<h1\b"), "jadval": soni(r"<table\b"), "katak": soni(r"<td\b"),
            "rasm": soni(r"<img\b"), "qalin": soni(r"<(?:b|strong)\b|font-weight:\s*(?:bold|[6-9]00)"),
            "egri": soni(r"<(?:i|em)\b|font-style:\s*italic"), "havola": soni(r"<a\s[^>]*href="),
            "royxat": soni(r"<li\b")}


def rtf_belgilari(r):
    def soni(naqsh):
        return len(re.findall(naqsh, r))
    return {"jadval_qatori": soni(r"\\trowd"), "rasm": soni(r"\\pict\b"), "havola": soni(r"HYPERLINK"),
            "qalin": soni(r"\\b(?![a-z0-9-])"), "egri": soni(r"\\i(?![a-z0-9-])")}


def html_matni(h):
    """The text a reader sees, spaces collapsed."""
    h = re.sub(r"(?is)<(head|style|script)\b.*?</\1>", " ", h)
    h = re.sub(r"(?i)</?(?:a|b|i|em|strong|span|font|u|s|sup|sub)\b[^>]*>", "", h)  # inside a word
    return re.sub(r"\s+", " ", html.unescape(re.sub(r"<[^>]*>", " ", h)))


def rtf_matni(r):
    """Rough text of an RTF: escapes decoded, control words dropped; enough
    to find words in."""
    # Line breaks are no text: one after a control word ends it, like a space.
    r = re.sub(r"(\\[a-zA-Z]+-?\d*)\r?\n", r"\1 ", r).replace("\r", "").replace("\n", "")
    r = re.sub(r"\\(?:par|cell|row|line|tab)(?![a-z])", " ", r)
    r = re.sub(r"\{\\\*[^{}]*\}", "", r)  # hidden groups, a link's address among them
    r = re.sub(r"\\u(-?\d+) ?(?:\\'[0-9a-fA-F]{2}|[^\\{}])?", lambda m: chr(int(m.group(1)) % 65536), r)
    r = re.sub(r"\\'([0-9a-fA-F]{2})", lambda m: bytes([int(m.group(1), 16)]).decode("cp1252", "replace"), r)
    r = re.sub(r"\\[a-zA-Z]+-?\d* ?|[{}]|[0-9a-f]{32,}", "", r)  # pictures' hex too
    return re.sub(r"\s+", " ", r)


def oqi(d, tur, muddat=3):
    """The clipboard in one format; nothing when its owner does not answer in
    time (a busy Writer can take long), so that polling goes on."""
    try:
        return subprocess.run(["xclip", "-o", "-selection", "clipboard", "-t", tur], env=d.muhit,
                              capture_output=True, timeout=muddat).stdout
    except subprocess.TimeoutExpired:
        return b""


def bufer_egasi(d):
    """Who owns the clipboard, for a failure message: Qt names its owner
    window after the program, Writer and xclip leave theirs unnamed."""
    x = ctypes.CDLL("libX11.so.6")
    x.XOpenDisplay.restype = ctypes.c_void_p
    x.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x.XInternAtom.restype = ctypes.c_ulong
    x.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
    x.XGetSelectionOwner.restype = ctypes.c_ulong
    x.XGetSelectionOwner.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
    x.XCloseDisplay.argtypes = [ctypes.c_void_p]
    ekran = x.XOpenDisplay(d.muhit["DISPLAY"].encode())
    try:
        oyna = x.XGetSelectionOwner(ekran, x.XInternAtom(ekran, b"CLIPBOARD", 0))
    finally:
        x.XCloseDisplay(ekran)
    if not oyna:
        return "nobody"
    nom = re.search(r'Window id: \S+ (.*)', d.ishlat("xwininfo", "-id", hex(oyna)).stdout.decode())
    return "%s %s" % (hex(oyna), nom.group(1) if nom else "")


class Nusxa:
    """What an editor's own copy of its whole document put on the clipboard."""

    def __init__(self, d):
        self.matn = oqi(d, "UTF8_STRING").decode("utf-8", "replace")
        self.html = oqi(d, "text/html").decode("utf-8", "replace").replace("\0", "")
        self.rtf = oqi(d, "text/rtf").decode("latin-1").replace("\0", "")

    def __str__(self):
        # Inline styles left out: they drown the markup.
        return "text:\n%s\nhtml:\n%s" % (self.matn, re.sub(r'\s*style="[^"]*"', "", self.html))


class Boy(ish_stoli.BirStol, unittest.TestCase):
    stol = dt.Ish

    def setUp(self):
        self.suratlar = []
        self.n = None
        vaqt = time.monotonic()
        self.addCleanup(lambda: print("  %s: %.1f s" % (self._testMethodName, time.monotonic() - vaqt),
                                      file=sys.stderr))

    def run(self, result=None):
        # The screenshots of a failed case stay in the build folder.
        oldin = len(result.failures) + len(result.errors) if result else 0
        r = super().run(result)
        if result and len(result.failures) + len(result.errors) > oldin:
            for yol in self.suratlar:
                if os.path.exists(yol):
                    shutil.copy(yol, os.path.join(ish_stoli.ARGS.rasmlar, os.path.basename(yol)))
        return r

    def surat(self, nom):
        yol = os.path.join(self.d.papka, "e2e-boy-%s-%s.png" % (self._testMethodName[5:], nom))
        self.d.ishlat("import", "-window", "root", yol)
        self.suratlar.append(yol)
        return yol

    def boshla(self, buyruq):
        """A client in a process group of its own, its temporary files in the
        desktop's folder; asked to end after the case, then ended whole."""
        vaqtincha = tempfile.mkdtemp(dir=self.d.papka)
        p = subprocess.Popen(buyruq, env=dict(self.d.muhit, TMPDIR=vaqtincha), stdout=subprocess.DEVNULL,
                             stderr=subprocess.DEVNULL, start_new_session=True)
        self.d.jarayonlar.append(p)

        def toxtat():
            for s in (signal.SIGTERM, signal.SIGKILL):
                try:
                    os.killpg(p.pid, s)
                except ProcessLookupError:
                    break
                try:
                    p.wait(5)
                    break
                except subprocess.TimeoutExpired:
                    pass
        self.addCleanup(toxtat)
        return p

    def oyna(self, nom, muddat=25):
        # A first start with a fresh profile takes seconds.
        kut(lambda: self.d.ishlat("xdotool", "search", "--name", nom).returncode == 0, muddat, 0.2)
        return self.d.oyna(nom)

    def nusxa(self, kerak, muddat=10):
        """Copies the whole document with the editor's own keys until its
        HTML holds `kerak` (the editor may still be loading)."""
        oxir = time.time() + muddat
        while True:
            self.d.bufer_qoy(b"-")
            self.d.ishlat("xdotool", "key", "ctrl+a", "ctrl+c")
            if kut(lambda: kerak in oqi(self.d, "text/html").decode("utf-8", "replace"), 2):
                return Nusxa(self.d)
            if time.time() > oxir:
                self.surat("nusxa-yoq")
                self.fail("the editor's copy never held %r; the clipboard is %s's" % (kerak, bufer_egasi(self.d)))

    def ogir(self):
        """A double Shift with known text on the clipboard, which must come
        back; the log lines."""
        # Offered as UTF8_STRING, as GTK and Qt programs do. Writer reads a
        # paste with the format list it last fetched, kept up to 2 s whoever
        # owns the clipboard since; a bare text/plain there makes UTF-8 Latin-1.
        self.d.bufer_qoy(AVVALGI, "UTF8_STRING")
        time.sleep(2.1)  # copied earlier, as a user does
        self.surat("oldin")
        self.n = self.d.ikki_shift()
        xabarlar = self.d.ogirish_tugadi(self.n)
        self.surat("keyin")
        self.assertTrue(any(x.startswith("nusxalandi") for x in xabarlar), xabarlar)
        if not kut(lambda: oqi(self.d, "UTF8_STRING") == AVVALGI, 6):
            self.fail("clipboard not restored: %r from %s\nlog: %s"
                      % (oqi(self.d, "UTF8_STRING"), bufer_egasi(self.d), self.xabarlar()))
        return xabarlar

    def xabarlar(self):
        """The log since the taps, read when a check fails: a paste nobody
        read is logged seconds later."""
        if self.n is None:
            return []
        return [x for x in self.d.xabarlar()[self.n:] if not x.startswith("flagsChanged")]

    # LibreOffice Writer

    def writer(self):
        # A folder of its own: a killed Writer leaves a lock file beside.
        hujjat = os.path.join(tempfile.mkdtemp(dir=self.d.papka), "hujjat.fodt")
        with open(hujjat, "w", encoding="utf-8") as f:
            f.write(FODT.replace("RASM", base64.b64encode(png()).decode()))
        profil = tempfile.mkdtemp(prefix="lo-", dir=self.d.papka)
        os.makedirs(os.path.join(profil, "user"))
        with open(os.path.join(profil, "user", "registrymodifications.xcu"), "w", encoding="utf-8") as f:
            f.write(PROFIL)
        url = "file://" + profil
        # Writer leaves its instance socket behind, named after the profile;
        # removed once Writer has ended (cleanups run last first).
        xesh = "".join("%x" % b for b in hashlib.md5(url.encode("utf-16-le")).digest())
        rozetka = "/tmp/OSL_PIPE_%d_SingleOfficeIPC_%s" % (os.getuid(), xesh)
        self.addCleanup(lambda: os.path.exists(rozetka) and os.unlink(rozetka))
        self.boshla(["soffice", "--writer", "--norestore", "--nologo", "-env:UserInstallation=" + url, hujjat])
        self.oyna("hujjat.fodt")
        avval = self.nusxa("<table")
        for k in ("sarlavha", "jadval", "rasm", "qalin", "egri", "havola"):
            self.assertGreater(belgilar(avval.html)[k], 0, "%s missing from the fixture\n%s" % (k, avval))
        # The ways of reading the text back find it in Writer's own formatting.
        for matn in (avval.matn, html_matni(avval.html), rtf_matni(avval.rtf)):
            self.assertIn(SATR, matn)
        return avval

    def yoqolmadi(self, tur, avval, keyin, nusxa):
        # Fewer is a loss; more is Writer's own doing: a paste over the whole
        # document, even of its own copy, makes the numbered heading a list
        # item and adds bold runs to the RTF.
        if any(keyin[k] < avval[k] for k in avval):
            self.fail("%s formatting lost:\n  before %s\n  after  %s\nlog: %s\n%s"
                      % (tur, avval, keyin, self.xabarlar(), nusxa))

    def tekshir(self, avval, keyin, yangi, eski=(), rtf=True):
        """No kind of formatting fewer after than before; `yangi` (and `eski`,
        outside a selection) in each form of the text read back. Each part
        fails on its own, so one run shows all that was lost."""
        with self.subTest("html"):
            self.yoqolmadi("HTML", belgilar(avval.html), belgilar(keyin.html), keyin)
        if rtf:
            with self.subTest("rtf"):
                self.yoqolmadi("RTF", rtf_belgilari(avval.rtf), rtf_belgilari(keyin.rtf), "")
        matnlar = {"text": keyin.matn, "html": html_matni(keyin.html)}
        if rtf:
            matnlar["rtf"] = rtf_matni(keyin.rtf)
        for nom, matn in matnlar.items():
            with self.subTest(nom + " text"):
                for soz in (*yangi, *eski):
                    if soz not in matn:
                        self.fail("%r not in the %s read back:\n%s\nlog: %s" % (soz, nom, matn[:600], self.xabarlar()))

    def test_writer_whole_document_with_nothing_selected(self):
        avval = self.writer()
        self.d.ishlat("xdotool", "key", "ctrl+Home")  # the caret in the heading, nothing selected
        self.ogir()
        keyin = self.nusxa("<body")
        self.tekshir(avval, keyin, (SATR_YANGI, "Özbek tili haqida", "öğil", "şoir", "çoy", "şöx"))
        self.assertNotIn("'", keyin.matn)

    def test_writer_a_selection_made_by_keys(self):
        avval = self.writer()
        # The second line, checked through the editor's copy (Writer offers
        # no bare text/plain).
        def tanlandimi():
            return oqi(self.d, "UTF8_STRING").decode("utf-8", "replace").strip() == SATR
        for _ in range(3):
            self.d.ishlat("xdotool", "key", "ctrl+Home", "Down", "Home", "shift+End", "ctrl+c")
            if kut(tanlandimi, 2):
                break
        self.surat("tanlandi")
        self.assertTrue(tanlandimi(), oqi(self.d, "UTF8_STRING"))
        self.ogir()
        keyin = self.nusxa("<body")
        # Only the selection changed.
        self.tekshir(avval, keyin, (SATR_YANGI,), ("O'zbek tili haqida", "o'g'il", "shoir", "sho'x"))

    # Chromium

    def test_chromium_editable_with_nothing_selected(self):
        sahifa = os.path.join(self.d.papka, "sahifa.html")
        with open(sahifa, "w", encoding="utf-8") as f:
            f.write(SAHIFA)
        buyruq = ["chromium", "--user-data-dir=" + os.path.join(self.d.papka, "chromium"), "--no-first-run",
                  "--no-default-browser-check", "--disable-gpu", "--password-store=basic", "--disable-sync",
                  "--disable-background-networking", "--disable-component-update", "--test-type",
                  "--app=file://" + sahifa]
        if os.geteuid() == 0:
            buyruq.append("--no-sandbox")
        self.boshla(buyruq)
        self.oyna("BoySahifa")
        avval = self.nusxa("<li")
        for k in ("qalin", "egri", "havola", "royxat"):
            self.assertGreater(belgilar(avval.html)[k], 0, "%s missing from the page\n%s" % (k, avval))
        self.assertIn(SATR, html_matni(avval.html))
        self.d.ishlat("xdotool", "key", "ctrl+End")  # the caret back at the end, nothing selected
        self.ogir()
        keyin = self.nusxa("<")
        self.tekshir(avval, keyin, (SATR_YANGI, "öğil", "çoy"), rtf=False)
        self.assertNotIn("'", keyin.matn)


if __name__ == "__main__":
    ish_stoli.main(kerak=("Xvfb", "openbox", "trayer", "xdotool", "xclip", "xwininfo", "import", "soffice",
                          "chromium"))
