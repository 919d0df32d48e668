#include "platform/windows/win_holat_paneli.h"

#include <shellapi.h>

#include <cwctype>
#include <vector>

#include "platform/windows/nazoratchilar.h"
#include "platform/windows/win_dpi.h"
#include "platform/windows/win_rasm.h"

namespace harfnur::windows_ {
namespace {

std::vector<port::MenyuBandi>* faolMenyu = nullptr;
class Belgi;
Belgi* faolBelgi = nullptr;  // its icon goes on the way out

// The key of a one-character shortcut ("q", ",").
UINT tugmaVk(const std::string& t) {
    if (t.size() != 1) return 0;
    if (t[0] == ',') return VK_OEM_COMMA;
    return UINT(std::towupper(wchar_t(t[0])));
}

class Belgi final : public port::HolatBelgisi {
public:
    Belgi() {
        taskbarQaytdi_ = RegisterWindowMessageW(L"TaskbarCreated");
        d_.cbSize = sizeof d_;
        d_.hWnd = asosiyOyna();
        d_.uID = 1;
        d_.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
        d_.uCallbackMessage = trayXabari;
        ikonaYangila();
        xabarniTingla(trayXabari, [this](WPARAM, LPARAM l, LRESULT&) {
            const UINT x = LOWORD(l);
            if (x == WM_RBUTTONUP || x == WM_LBUTTONUP || x == WM_CONTEXTMENU) menyuniOch();
            return true;
        });
        // Explorer started, or restarted: a new, empty notification area.
        xabarniTingla(taskbarQaytdi_, [this](WPARAM, LPARAM, LRESULT&) {
            qaytaQosh();
            return false;
        });
        auto yangiDpi = [this](WPARAM, LPARAM, LRESULT&) {
            if (qoshildi_) qaytaQosh();
            return false;
        };
        xabarniTingla(WM_DISPLAYCHANGE, yangiDpi);  // the taskbar's DPI may have changed
        xabarniTingla(WM_DPICHANGED, yangiDpi);
        faolBelgi = this;
        static const bool chiqishda = (chiqishdaBajar([] {
            if (faolBelgi) faolBelgi->olibTashla();
        }), true);
        (void)chiqishda;
    }
    ~Belgi() override {
        if (faolBelgi == this) faolBelgi = nullptr;
        if (urinishTaymeri_) taymerniOchir(urinishTaymeri_);
        olibTashla();
        if (d_.hIcon) DestroyIcon(d_.hIcon);
        if (faolMenyu == &bandlar_) faolMenyu = nullptr;
    }

    bool tugmasiBormi() override { return true; }
    void sarlavhaQoy(const std::string& s) override {
        sarlavha_ = keng(s);
        ikonaYangila();
        yangila();
    }
    void izohQoy(const std::string& s) override {
        const std::wstring k = keng(s);
        wcsncpy(d_.szTip, k.c_str(), std::size(d_.szTip) - 1);
        yangila();
    }
    void menyuQoy(std::vector<port::MenyuBandi> bandlar) override {
        bandlar_ = std::move(bandlar);
        faolMenyu = &bandlar_;
        yangila();
    }

    void olibTashla() {
        if (qoshildi_) Shell_NotifyIconW(NIM_DELETE, &d_);
        qoshildi_ = false;
    }

private:
    void yangila() {
        if (qoshildi_) {
            Shell_NotifyIconW(NIM_MODIFY, &d_);
        } else if (!urinishTaymeri_) {
            qosh();
        }
    }

    // NIM_ADD fails while Explorer is not up yet (at logon), and then no
    // TaskbarCreated may ever come: it is tried again on a timer. It may
    // also fail on a timeout having added the icon, which NIM_MODIFY tells.
    void qosh() {
        if (urinishTaymeri_) taymerniOchir(urinishTaymeri_);
        urinishTaymeri_ = 0;
        qoshildi_ = Shell_NotifyIconW(NIM_ADD, &d_) || Shell_NotifyIconW(NIM_MODIFY, &d_);
        if (qoshildi_) {
            urinish_ = 0;
            return;
        }
        urinishTaymeri_ = taymerQoy(belgiUrinishOraligi(++urinish_), [this] { qosh(); });
    }

    void qaytaQosh() {
        ikonaYangila();
        olibTashla();
        qosh();
    }

    void ikonaYangila() {
        // The taskbar's own DPI: it may sit on a monitor other than the primary.
        HWND panel = FindWindowW(L"Shell_TrayWnd", nullptr);
        const UINT dpi = panel ? oynaDpisi(panel) : tizimDpisi();
        HICON eski = d_.hIcon;
        d_.hIcon = belgiIkonasi(sarlavha_, metrikaDpida(SM_CXSMICON, dpi));
        if (eski) DestroyIcon(eski);
    }

    void menyuniOch() {
        HMENU m = CreatePopupMenu();
        for (std::size_t i = 0; i < bandlar_.size(); ++i) {
            const port::MenyuBandi& b = bandlar_[i];
            if (b.ajratgichmi) {
                AppendMenuW(m, MF_SEPARATOR, 0, nullptr);
                continue;
            }
            std::string matn = b.sarlavha;
            if (!b.tugma.empty()) {
                std::string t = b.tugma;
                for (char& c : t) c = char(std::toupper(static_cast<unsigned char>(c)));
                matn += "\tCtrl+" + t;  // Control stands in for Command
            }
            AppendMenuW(m, MF_STRING | (b.yoqilgan ? 0 : MF_GRAYED), i + 1, keng(matn).c_str());
        }
        POINT p;
        GetCursorPos(&p);
        // Without the foreground the menu would not close on a click elsewhere.
        SetForegroundWindow(d_.hWnd);
        const UINT tanlov = UINT(TrackPopupMenu(m, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, p.x, p.y, 0, d_.hWnd, nullptr));
        PostMessageW(d_.hWnd, WM_NULL, 0, 0);
        DestroyMenu(m);
        if (tanlov && tanlov <= bandlar_.size())
            if (auto f = bandlar_[tanlov - 1].amal) f();  // a copy: the action may replace the menu
    }

    NOTIFYICONDATAW d_{};
    UINT taskbarQaytdi_ = 0;
    bool qoshildi_ = false;
    UINT_PTR urinishTaymeri_ = 0;
    int urinish_ = 0;
    std::wstring sarlavha_ = L"\u00D6";
    std::vector<port::MenyuBandi> bandlar_;
};

}  // namespace

std::unique_ptr<port::HolatBelgisi> WinHolatPaneli::belgiYarat() { return std::make_unique<Belgi>(); }

bool tezTugmami(const MSG& m) {
    if (!faolMenyu || m.message != WM_KEYDOWN || !(GetKeyState(VK_CONTROL) & 0x8000)) return false;
    DWORD pid = 0;
    GetWindowThreadProcessId(m.hwnd, &pid);
    if (pid != GetCurrentProcessId()) return false;
    for (const port::MenyuBandi& b : *faolMenyu)
        if (b.yoqilgan && b.amal && !b.tugma.empty() && tugmaVk(b.tugma) == m.wParam) {
            auto f = b.amal;
            f();
            return true;
        }
    return false;
}

}  // namespace harfnur::windows_
