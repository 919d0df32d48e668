// The lime tile and the step badges, drawn smooth: GDI draws them at four
// times the size and the samples are averaged down, which gives the edges,
// the glyph and the check mark their antialiasing.
#pragma once

#include "platform/windows/win_asosiy.h"

#include <string>

#include "onboarding/rang.h"

namespace harfnur::windows_ {

struct Nishon {
    int kenglik, balandlik;
    double radius;       // half the side: a circle
    Rang fon, rang;
    std::wstring matn;   // "✓" is drawn as a stroke, whatever the fonts hold
    double shriftPx;
};

// 32-bit top-down pixels; premultiplied for AlphaBlend, straight for icons.
HBITMAP nishonChiz(const Nishon& n, bool oldindanKopaytirilgan);
// Draws onto `dc` at (x, y).
void nishonQoy(HDC dc, int x, int y, const Nishon& n);
// The tray icon: the lime tile with `matn`, `olcham` pixels square.
HICON belgiIkonasi(const std::wstring& matn, int olcham);

}  // namespace harfnur::windows_
