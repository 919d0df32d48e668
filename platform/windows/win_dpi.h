// The per-DPI functions of Windows 10 1607 and 1703, looked up when the
// program runs so that it also starts on 1507; without them the system DPI
// stands in, as it does on a Windows where they are missing.
#pragma once

#include "platform/windows/win_asosiy.h"

namespace harfnur::windows_ {

// Per-Monitor v2 where the system knows it. The manifest already asks for
// it; this only matters where the manifest was not read.
void dpiniTanla();
UINT oynaDpisi(HWND h);  // the window's monitor, or the system DPI
UINT tizimDpisi();
int metrikaDpida(int indeks, UINT dpi);
void ramkaliOlcham(RECT* r, DWORD uslub, DWORD kengUslub, UINT dpi);

}  // namespace harfnur::windows_
