#include "platform/windows/win_oyna.h"

#include <algorithm>
#include <map>
#include <vector>

#include "onboarding/tanishtiruv.h"
#include "platform/windows/win_dpi.h"
#include "platform/windows/win_rasm.h"

namespace harfnur::windows_ {
namespace {

constexpr const wchar_t* sinfNomi = L"HarfnurOyna";
constexpr int pastkiId = IDOK, qadam1Id = 101, qadam2Id = 102, almashtirgichId = 103;
constexpr COLORREF ikkilamchi = RGB(0x6e, 0x6e, 0x73);  // a secondary label grey

// Text sizes in device-independent pixels, after the platform's styles.
constexpr double oddiyPx = 14, sarlavhaPx = 21, qadamSarlavhaPx = 14, izohPx = 12, tugmaBalandligi = 28;

std::vector<HWND> oynalar;  // ours, for the keyboard handling

struct Yozuv {
    RECT joy;
    std::wstring matn;
    int shrift;  // index into the fonts
    COLORREF rang;
};

class Oyna final : public port::Oyna {
public:
    explicit Oyna(std::shared_ptr<Tanishtiruv> k) : korinish_(std::move(k)) {
        WNDCLASSW c{};
        c.lpfnWndProc = jarayon;
        c.hInstance = GetModuleHandleW(nullptr);
        c.lpszClassName = sinfNomi;
        c.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        c.hbrBackground = GetSysColorBrush(COLOR_WINDOW);
        c.hIcon = LoadIconW(c.hInstance, L"HARFNUR");
        RegisterClassW(&c);  // fails harmlessly when already registered
        h_ = CreateWindowExW(0, sinfNomi, L"Harfnur", WS_CAPTION | WS_SYSMENU, CW_USEDEFAULT, CW_USEDEFAULT, 100, 100,
                             nullptr, nullptr, c.hInstance, this);
        oynalar.push_back(h_);
        chiz();
        // Redrawn after the handler that changed the state has returned: the
        // switch that was clicked may be among the controls replaced.
        obuna_ = korinish_->ozgarganda([h = h_] { PostMessageW(h, WM_APP, 0, 0); });
    }
    ~Oyna() override {
        korinish_->holat->kuzatma(obuna_);
        oynalar.erase(std::remove(oynalar.begin(), oynalar.end(), h_), oynalar.end());
        DestroyWindow(h_);
        shriftlarniOchir();
    }

    void sarlavhaQoy(const std::string& s) override { SetWindowTextW(h_, keng(s).c_str()); }
    void uslubQoy(unsigned niqob) override {
        LONG_PTR u = WS_OVERLAPPED;
        if (niqob & port::sarlavhaliUslub) u |= WS_CAPTION;
        if (niqob & port::yopiladiganUslub) u |= WS_CAPTION | WS_SYSMENU;
        SetWindowLongPtrW(h_, GWL_STYLE, u | (IsWindowVisible(h_) ? WS_VISIBLE : 0));
        olchamQoy();
    }
    void markazla() override {
        RECT o;
        GetWindowRect(h_, &o);
        MONITORINFO m{sizeof m, {}, {}, 0};
        GetMonitorInfoW(MonitorFromWindow(h_, MONITOR_DEFAULTTOPRIMARY), &m);
        const RECT& e = m.rcWork;
        SetWindowPos(h_, nullptr, e.left + (e.right - e.left - (o.right - o.left)) / 2,
                     e.top + (e.bottom - e.top - (o.bottom - o.top)) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    }
    void oldingaChiqar() override {
        ShowWindow(h_, SW_SHOW);
        SetForegroundWindow(h_);
        BringWindowToTop(h_);
        if (HWND t = GetDlgItem(h_, pastkiId)) SetFocus(t);
    }
    void yop() override { ShowWindow(h_, SW_HIDE); }

private:
    static LRESULT CALLBACK jarayon(HWND h, UINT x, WPARAM w, LPARAM l) {
        if (x == WM_NCCREATE)
            SetWindowLongPtrW(h, GWLP_USERDATA, LONG_PTR(reinterpret_cast<CREATESTRUCTW*>(l)->lpCreateParams));
        auto* o = reinterpret_cast<Oyna*>(GetWindowLongPtrW(h, GWLP_USERDATA));
        if (!o) return DefWindowProcW(h, x, w, l);
        switch (x) {
            case WM_CLOSE: o->yop(); return 0;  // closing only hides: the same window comes back later
            case WM_APP: o->chiz(); return 0;
            case WM_DPICHANGED: {
                o->chiz();
                const RECT* r = reinterpret_cast<const RECT*>(l);
                SetWindowPos(h, nullptr, r->left, r->top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
                return 0;
            }
            case DM_GETDEFID: return MAKELRESULT(pastkiId, DC_HASDEFID);
            case WM_PAINT: o->boya(); return 0;
            case WM_CTLCOLORSTATIC:
            case WM_CTLCOLORBTN:
                SetBkColor(reinterpret_cast<HDC>(w), GetSysColor(COLOR_WINDOW));
                return LRESULT(GetSysColorBrush(COLOR_WINDOW));
            case WM_COMMAND: o->buyruq(LOWORD(w)); return 0;
            default: return DefWindowProcW(h, x, w, l);
        }
    }

    int px(double dip) const { return int(dip * dpi_ / 96.0 + 0.5); }

    void shriftlarniOchir() {
        for (HFONT f : shriftlar_) DeleteObject(f);
        shriftlar_.clear();
    }

    HFONT shrift(double dip, bool qalin) {
        HFONT f = CreateFontW(-px(dip), 0, 0, 0, qalin ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                              OUT_TT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, DEFAULT_PITCH, L"Segoe UI");
        shriftlar_.push_back(f);
        return f;
    }

    // The height `matn` takes when wrapped to `kenglik` pixels.
    int balandlik(const std::wstring& matn, int shriftI, int kenglik) {
        HDC dc = GetDC(h_);
        HGDIOBJ e = SelectObject(dc, shriftlar_[std::size_t(shriftI)]);
        RECT r{0, 0, kenglik, 0};
        DrawTextW(dc, matn.c_str(), int(matn.size()), &r, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
        SelectObject(dc, e);
        ReleaseDC(h_, dc);
        return r.bottom;
    }

    int matnKengligi(const std::wstring& matn, int shriftI) {
        HDC dc = GetDC(h_);
        HGDIOBJ e = SelectObject(dc, shriftlar_[std::size_t(shriftI)]);
        SIZE s{};
        GetTextExtentPoint32W(dc, matn.c_str(), int(matn.size()), &s);
        SelectObject(dc, e);
        ReleaseDC(h_, dc);
        return s.cx;
    }

    int yoz(int x, int y, int kenglik, const std::string& s, int shriftI, COLORREF rang) {
        const std::wstring m = keng(s);
        const int b = balandlik(m, shriftI, kenglik);
        yozuvlar_.push_back({{x, y, x + kenglik, y + b}, m, shriftI, rang});
        return b;
    }

    HWND boshqaruv(const wchar_t* sinf, const std::string& matn, DWORD uslub, int id, int x, int y, int w, int h) {
        HWND b = CreateWindowExW(0, sinf, keng(matn).c_str(), WS_CHILD | WS_VISIBLE | WS_TABSTOP | uslub, x, y, w, h,
                                 h_, reinterpret_cast<HMENU>(INT_PTR(id)), GetModuleHandleW(nullptr), nullptr);
        SendMessageW(b, WM_SETFONT, WPARAM(shriftlar_[0]), TRUE);
        return b;
    }

    int tugmaQoy(const Tugma& t, int id, int x, int y, bool ongdan) {
        const int w = std::max(px(88), matnKengligi(keng(t.sarlavha), 0) + px(28));
        boshqaruv(L"BUTTON", t.sarlavha, t.standartmi ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, id, ongdan ? x - w : x, y, w,
                  px(tugmaBalandligi));
        return w;
    }

    int qadamQoy(const Qadam& q, int id, int y) {
        const int x = px(Tanishtiruv::chekka), ustun = x + px(Qadam::nishon + Qadam::oraliq);
        const int kenglik = px(Tanishtiruv::kenglik - Tanishtiruv::chekka) - ustun;
        nishonlar_.push_back({x, y,
                              Nishon{px(Qadam::nishon), px(Qadam::nishon), px(Qadam::nishon) / 2.0, q.nishonRangi(),
                                     q.nishonMatnRangi(), keng(q.nishonMatni()), double(px(Qadam::nishonShrifti))}});
        int b = yoz(ustun, y, kenglik, q.sarlavha, 2, GetSysColor(COLOR_WINDOWTEXT));
        b += px(Qadam::matnOraligi);
        b += yoz(ustun, y + b, kenglik, q.matn, 0, ikkilamchi);
        if (q.tugma) {
            b += px(Qadam::matnOraligi + 4);
            tugmalar_[id] = q.tugma->amal;
            tugmaQoy(*q.tugma, id, ustun, y + b, false);
            b += px(tugmaBalandligi);
        }
        return std::max(b, px(Qadam::nishon));
    }

    void chiz() {
        const TanishtiruvKorinishi k = korinish_->korinish();
        dpi_ = oynaDpisi(h_);
        for (HWND b = GetWindow(h_, GW_CHILD); b; b = GetWindow(h_, GW_CHILD)) DestroyWindow(b);
        shriftlarniOchir();
        yozuvlar_.clear();
        nishonlar_.clear();
        tugmalar_.clear();
        shrift(oddiyPx, false);          // 0: body, controls
        shrift(sarlavhaPx, true);        // 1: title
        shrift(qadamSarlavhaPx, true);   // 2: step titles
        shrift(izohPx, false);           // 3: footer hint

        const int chap = px(Tanishtiruv::chekka), ong = px(Tanishtiruv::kenglik - Tanishtiruv::chekka);
        int y = px(Tanishtiruv::chekka);

        // Header: the tile, then the title over the line, centred on it.
        const int logo = px(Tanishtiruv::logo), ustun = chap + logo + px(Tanishtiruv::sarlavhaOraligi);
        const std::wstring sarlavha = keng(k.sarlavha), tavsif = keng(k.tavsif);
        const int sb = balandlik(sarlavha, 1, ong - ustun), tb = balandlik(tavsif, 0, ong - ustun);
        const int matnB = sb + px(Tanishtiruv::matnOraligi) + tb, boshB = std::max(logo, matnB);
        nishonlar_.push_back({chap, y + (boshB - logo) / 2,
                              Nishon{logo, logo, double(px(Tanishtiruv::logoRadiusi)), lime, qora, keng(k.logo),
                                     double(px(Tanishtiruv::logoShrifti))}});
        const int my = y + (boshB - matnB) / 2;
        yozuvlar_.push_back({{ustun, my, ong, my + sb}, sarlavha, 1, GetSysColor(COLOR_WINDOWTEXT)});
        yozuvlar_.push_back({{ustun, my + sb + px(Tanishtiruv::matnOraligi), ong, my + matnB}, tavsif, 0, ikkilamchi});
        y += boshB + px(Tanishtiruv::oraliq);

        y += qadamQoy(k.qadam1, qadam1Id, y) + px(Tanishtiruv::oraliq);
        y += qadamQoy(k.qadam2, qadam2Id, y) + px(Tanishtiruv::oraliq);

        if (k.avtoyuklash) {
            almashtir_ = k.avtoyuklash->ozgartir;
            const int b = px(22);
            HWND q = boshqaruv(L"BUTTON", k.avtoyuklash->matn, BS_CHECKBOX, almashtirgichId, chap, y, ong - chap, b);
            SendMessageW(q, BM_SETCHECK, k.avtoyuklash->qiymat ? BST_CHECKED : BST_UNCHECKED, 0);
            y += b + px(Tanishtiruv::oraliq);
        }
        if (k.eslatma) y += yoz(chap, y, ong - chap, *k.eslatma, 0, ikkilamchi) + px(Tanishtiruv::oraliq);

        // Footer: the hint, and the default button at the trailing edge.
        tugmalar_[pastkiId] = k.pastki.amal;
        const int tw = tugmaQoy(k.pastki, pastkiId, ong, 0, true);
        const std::wstring izoh = keng(k.izoh);
        const int iz = balandlik(izoh, 3, ong - chap - tw - px(8));
        const int qator = std::max(iz, px(tugmaBalandligi));
        SetWindowPos(GetDlgItem(h_, pastkiId), nullptr, ong - tw, y + (qator - px(tugmaBalandligi)) / 2, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER);
        const int iy = y + (qator - iz) / 2;
        yozuvlar_.push_back({{chap, iy, ong - tw - px(8), iy + iz}, izoh, 3, ikkilamchi});
        y += qator + px(Tanishtiruv::chekka);

        mijozW_ = px(Tanishtiruv::kenglik);
        mijozH_ = y;
        olchamQoy();
        InvalidateRect(h_, nullptr, TRUE);
        if (IsWindowVisible(h_))
            if (HWND t = GetDlgItem(h_, pastkiId)) SetFocus(t);
    }

    void olchamQoy() {
        RECT r{0, 0, mijozW_, mijozH_};
        ramkaliOlcham(&r, DWORD(GetWindowLongPtrW(h_, GWL_STYLE)), 0, dpi_);
        SetWindowPos(h_, nullptr, 0, 0, r.right - r.left, r.bottom - r.top,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_FRAMECHANGED | SWP_NOACTIVATE);
    }

    void boya() {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(h_, &ps);
        SetBkMode(dc, TRANSPARENT);
        for (const auto& [x, y, n] : nishonlar_) nishonQoy(dc, x, y, n);
        for (const Yozuv& y : yozuvlar_) {
            HGDIOBJ e = SelectObject(dc, shriftlar_[std::size_t(y.shrift)]);
            SetTextColor(dc, y.rang);
            RECT r = y.joy;
            DrawTextW(dc, y.matn.c_str(), int(y.matn.size()), &r, DT_WORDBREAK | DT_NOPREFIX);
            SelectObject(dc, e);
        }
        EndPaint(h_, &ps);
    }

    void buyruq(int id) {
        if (id == almashtirgichId) {
            // The switch shows the state read back, not the click itself.
            const bool yangi = SendMessageW(GetDlgItem(h_, id), BM_GETCHECK, 0, 0) != BST_CHECKED;
            if (auto f = almashtir_) f(yangi);
            return;
        }
        if (id == IDCANCEL) return yop();
        if (auto i = tugmalar_.find(id); i != tugmalar_.end())
            if (auto f = i->second) f();
    }

    struct NishonJoyi {
        int x, y;
        Nishon n;
    };

    std::shared_ptr<Tanishtiruv> korinish_;
    RuxsatHolati::KuzatuvchiBelgisi obuna_ = 0;
    HWND h_ = nullptr;
    UINT dpi_ = 96;
    int mijozW_ = 500, mijozH_ = 300;
    std::vector<HFONT> shriftlar_;
    std::vector<Yozuv> yozuvlar_;
    std::vector<NishonJoyi> nishonlar_;
    std::map<int, std::function<void()>> tugmalar_;
    std::function<void(bool)> almashtir_;
};

}  // namespace

std::unique_ptr<port::Oyna> WinOynaXizmati::yarat(std::shared_ptr<Tanishtiruv> korinish) {
    return std::make_unique<Oyna>(std::move(korinish));
}

bool oynaXabarimi(MSG& m) {
    for (HWND h : oynalar)
        if (m.hwnd == h || IsChild(h, m.hwnd)) return IsDialogMessageW(h, &m);
    return false;
}

}  // namespace harfnur::windows_
