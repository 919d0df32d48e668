#include "platform/windows/win_rasm.h"

#include <cstdint>
#include <vector>

namespace harfnur::windows_ {
namespace {

constexpr int k = 4;  // samples per pixel side

COLORREF rgb(const Rang& r) { return RGB(int(r.q * 255 + 0.5), int(r.y * 255 + 0.5), int(r.k * 255 + 0.5)); }

HBITMAP dib(int w, int h, std::uint32_t** piksellar, HDC dc) {
    BITMAPINFO b{};
    b.bmiHeader.biSize = sizeof b.bmiHeader;
    b.bmiHeader.biWidth = w;
    b.bmiHeader.biHeight = -h;  // top-down
    b.bmiHeader.biPlanes = 1;
    b.bmiHeader.biBitCount = 32;
    b.bmiHeader.biCompression = BI_RGB;
    void* p = nullptr;
    HBITMAP r = CreateDIBSection(dc, &b, DIB_RGB_COLORS, &p, nullptr, 0);
    *piksellar = static_cast<std::uint32_t*>(p);
    return r;
}

}  // namespace

HBITMAP nishonChiz(const Nishon& n, bool oldindanKopaytirilgan) {
    const int W = n.kenglik * k, H = n.balandlik * k;
    HDC dc = CreateCompatibleDC(nullptr);
    std::uint32_t *shakl = nullptr, *rasm = nullptr;
    HBITMAP shaklB = dib(W, H, &shakl, dc), rasmB = dib(W, H, &rasm, dc);
    HBITMAP natija = nullptr;
    if (shaklB && rasmB) {
        // The shape alone, white on black: the coverage.
        HGDIOBJ eski = SelectObject(dc, shaklB);
        std::fill(shakl, shakl + std::size_t(W) * H, 0u);
        HBRUSH oq = CreateSolidBrush(RGB(255, 255, 255));
        HGDIOBJ eskiM = SelectObject(dc, oq);
        HGDIOBJ eskiQ = SelectObject(dc, GetStockObject(NULL_PEN));
        const int d = int(n.radius * 2 * k + 0.5);
        RoundRect(dc, 0, 0, W + 1, H + 1, d, d);
        SelectObject(dc, eskiQ);
        SelectObject(dc, eskiM);
        DeleteObject(oq);

        // The fill and the glyph.
        SelectObject(dc, rasmB);
        HBRUSH fon = CreateSolidBrush(rgb(n.fon));
        RECT hammasi{0, 0, W, H};
        FillRect(dc, &hammasi, fon);
        DeleteObject(fon);
        if (n.matn == L"\u2713") {
            HPEN q = CreatePen(PS_SOLID, int(n.shriftPx * 0.16 * k + 0.5), rgb(n.rang));
            HGDIOBJ e = SelectObject(dc, q);
            const POINT nuqtalar[] = {{W * 30 / 100, H * 52 / 100}, {W * 44 / 100, H * 66 / 100}, {W * 70 / 100, H * 36 / 100}};
            Polyline(dc, nuqtalar, 3);
            SelectObject(dc, e);
            DeleteObject(q);
        } else {
            HFONT f = CreateFontW(-int(n.shriftPx * k + 0.5), 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                  OUT_TT_PRECIS, CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY, DEFAULT_PITCH, L"Segoe UI");
            HGDIOBJ e = SelectObject(dc, f);
            SetBkMode(dc, TRANSPARENT);
            SetTextColor(dc, rgb(n.rang));
            DrawTextW(dc, n.matn.c_str(), int(n.matn.size()), &hammasi, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
            SelectObject(dc, e);
            DeleteObject(f);
        }
        GdiFlush();
        SelectObject(dc, eski);

        std::uint32_t* chiqish = nullptr;
        natija = dib(n.kenglik, n.balandlik, &chiqish, dc);
        for (int y = 0; natija && y < n.balandlik; ++y)
            for (int x = 0; x < n.kenglik; ++x) {
                unsigned son = 0, q = 0, y_ = 0, kk = 0;
                for (int j = 0; j < k; ++j)
                    for (int i = 0; i < k; ++i) {
                        const std::size_t o = std::size_t(y * k + j) * W + std::size_t(x * k + i);
                        if (!(shakl[o] & 0xFF)) continue;
                        ++son;
                        q += (rasm[o] >> 16) & 0xFF, y_ += (rasm[o] >> 8) & 0xFF, kk += rasm[o] & 0xFF;
                    }
                std::uint32_t p = 0;
                if (son) {
                    const unsigned bolish = oldindanKopaytirilgan ? k * k : son;
                    const unsigned a = son * 255 / (k * k);
                    p = (a << 24) | ((q / bolish) << 16) | ((y_ / bolish) << 8) | (kk / bolish);
                }
                chiqish[std::size_t(y) * n.kenglik + x] = p;
            }
    }
    if (shaklB) DeleteObject(shaklB);
    if (rasmB) DeleteObject(rasmB);
    DeleteDC(dc);
    return natija;
}

void nishonQoy(HDC dc, int x, int y, const Nishon& n) {
    HBITMAP b = nishonChiz(n, true);
    if (!b) return;
    HDC m = CreateCompatibleDC(dc);
    HGDIOBJ e = SelectObject(m, b);
    const BLENDFUNCTION f{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    AlphaBlend(dc, x, y, n.kenglik, n.balandlik, m, 0, 0, n.kenglik, n.balandlik, f);
    SelectObject(m, e);
    DeleteDC(m);
    DeleteObject(b);
}

HICON belgiIkonasi(const std::wstring& matn, int olcham) {
    const Nishon n{olcham, olcham, olcham * 16.0 / 56, lime, qora, matn, olcham * 30.0 / 56 * 1.25};
    HBITMAP rang = nishonChiz(n, false);
    if (!rang) return nullptr;
    std::vector<std::uint8_t> nol(std::size_t((olcham + 15) / 16 * 2) * olcham, 0);
    HBITMAP niqob = CreateBitmap(olcham, olcham, 1, 1, nol.data());
    ICONINFO i{TRUE, 0, 0, niqob, rang};
    HICON r = CreateIconIndirect(&i);
    DeleteObject(niqob);
    DeleteObject(rang);
    return r;
}

}  // namespace harfnur::windows_
