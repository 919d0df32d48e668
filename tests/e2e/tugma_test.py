#!/usr/bin/env python3
"""End-to-end test of the keys Harfnur lends to letters a layout lacks: every
one is given back, whatever way the press goes. Runs on its own desktop (see
desktop_test.py)."""
import unittest

import desktop_test as dt
import ish_stoli
from ish_stoli import kut


class IjaraTugma(ish_stoli.BirStol, unittest.TestCase):
    stol = dt.Ish

    @classmethod
    def setUpClass(cls):
        super().setUpClass()
        # Cyrillic alone from the start, so that Harfnur's own view of the
        # keymap has no Latin letters either.
        cls.d.harfnur.terminate()
        cls.d.harfnur.wait(20)
        cls.d.jarayonlar.remove(cls.d.harfnur)
        cls.d.ishlat("setxkbmap", "-layout", "ru")
        n = len(cls.d.xabarlar())
        with open(cls.d.xatolar, "ab") as xato:
            cls.d.harfnur = cls.d.boshla([ish_stoli.ARGS.harfnur], stderr=xato)
        kut(lambda: "Shift kuzatuvi boshlandi" in cls.d.xabarlar()[n:])

    def xarita(self):
        """Every key code's symbols, named keys or not."""
        return self.d.ishlat("xmodmap", "-pke").stdout.decode()

    def test_a_terminal_with_a_layout_without_latin_letters_keeps_its_keymap(self):
        # In a terminal the select-all is never sent: a key lent for its
        # letter must not stay lent.
        # Clipboard keys as other terminals have them (Control+Shift+C would
        # end the program in a stock xterm, and the window with it).
        tarjima = ("XTerm*VT100.translations: #override Shift Ctrl <Key>C: copy-selection(CLIPBOARD)\\n"
                   "Shift Ctrl <Key>V: insert-selection(CLIPBOARD)")
        self.d.boshla(["xterm", "-xrm", tarjima, "-title", "IjaraXterm", "-e", "sh", "-c", "read l"])
        self.d.oyna("IjaraXterm")
        try:
            avval = self.xarita()
            self.assertNotRegex(avval, r"= [ac]\b")  # no Latin letters to press
            for _ in range(2):
                n = self.d.ikki_shift()
                self.assertEqual(self.d.ogirish_tugadi(n)[-1], "nusxalab bo'lmadi")
                self.assertTrue(self.d.oyna("IjaraXterm"))  # still there, still in front
                self.assertEqual(self.xarita(), avval)
        finally:
            self.d.ishlat("setxkbmap", "-layout", "us")


if __name__ == "__main__":
    ish_stoli.main("--qt-maydon")
