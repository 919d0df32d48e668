#include "platform/windows/win_dpi.h"

namespace harfnur::windows_ {
namespace {

template <class F>
F user32dan(const char* nom) {
    static const HMODULE m = GetModuleHandleW(L"user32.dll");
    // Through the generic function type, which the compiler lets any cast to.
    return m ? reinterpret_cast<F>(reinterpret_cast<void (*)()>(GetProcAddress(m, nom))) : nullptr;
}

using DpiKonteksti = BOOL(WINAPI*)(DPI_AWARENESS_CONTEXT);
using OynaDpisi = UINT(WINAPI*)(HWND);
using TizimDpisi = UINT(WINAPI*)();
using MetrikaDpida = int(WINAPI*)(int, UINT);
using RamkaDpida = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);

UINT ekranDpisi() {
    HDC dc = GetDC(nullptr);
    const int d = dc ? GetDeviceCaps(dc, LOGPIXELSY) : 0;
    if (dc) ReleaseDC(nullptr, dc);
    return d > 0 ? UINT(d) : 96;
}

}  // namespace

void dpiniTanla() {
    if (const auto f = user32dan<DpiKonteksti>("SetProcessDpiAwarenessContext"))
        f(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
}

UINT oynaDpisi(HWND h) {
    static const auto f = user32dan<OynaDpisi>("GetDpiForWindow");
    const UINT d = f && h ? f(h) : 0;
    return d ? d : tizimDpisi();
}

UINT tizimDpisi() {
    static const auto f = user32dan<TizimDpisi>("GetDpiForSystem");
    const UINT d = f ? f() : 0;
    return d ? d : ekranDpisi();
}

int metrikaDpida(int indeks, UINT dpi) {
    static const auto f = user32dan<MetrikaDpida>("GetSystemMetricsForDpi");
    if (f) return f(indeks, dpi);
    // The system's metric, at the system DPI, scaled.
    return MulDiv(GetSystemMetrics(indeks), int(dpi), int(tizimDpisi()));
}

void ramkaliOlcham(RECT* r, DWORD uslub, DWORD kengUslub, UINT dpi) {
    static const auto f = user32dan<RamkaDpida>("AdjustWindowRectExForDpi");
    if (f && f(r, uslub, FALSE, kengUslub, dpi)) return;
    AdjustWindowRectEx(r, uslub, FALSE, kengUslub);
}

}  // namespace harfnur::windows_
