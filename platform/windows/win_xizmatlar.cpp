#include "platform/windows/win_xizmatlar.h"

#include <shlobj.h>

#include <thread>

#include "platform/windows/win_asosiy.h"
#include "platform/windows/win_holat_paneli.h"
#include "platform/windows/win_oyna.h"

namespace harfnur::windows_ {
namespace {

constexpr const wchar_t* runKaliti = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr const wchar_t* yoqilganKaliti = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StartupApproved\\Run";
constexpr const wchar_t* sozlamaKaliti = L"Software\\Harfnur";
constexpr const wchar_t* qiymatNomi = L"Harfnur";

// The process's mandatory integrity level, if it can be read.
std::optional<DWORD> darajasi(HANDLE jarayon) {
    HANDLE token = nullptr;
    if (!OpenProcessToken(jarayon, TOKEN_QUERY, &token)) return std::nullopt;
    std::optional<DWORD> r;
    DWORD kerak = 0;
    GetTokenInformation(token, TokenIntegrityLevel, nullptr, 0, &kerak);
    std::string bufer(kerak, '\0');
    if (kerak && GetTokenInformation(token, TokenIntegrityLevel, bufer.data(), kerak, &kerak)) {
        const auto* l = reinterpret_cast<const TOKEN_MANDATORY_LABEL*>(bufer.data());
        const UCHAR n = *GetSidSubAuthorityCount(l->Label.Sid);
        if (n) r = *GetSidSubAuthority(l->Label.Sid, n - 1);
    }
    CloseHandle(token);
    return r;
}

std::wstring qoshtirnoqda(const std::wstring& yol) { return L"\"" + yol + L"\""; }

}  // namespace

std::string xatoMatni(unsigned long kod) {
    wchar_t* m = nullptr;
    FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                   kod, 0, reinterpret_cast<wchar_t*>(&m), 0, nullptr);
    std::wstring s = m ? m : L"";
    if (m) LocalFree(m);
    while (!s.empty() && (s.back() == L'\n' || s.back() == L'\r' || s.back() == L' ')) s.pop_back();
    return s.empty() ? "Windows error " + std::to_string(kod) : tor(s);
}


void WinIlova::tugat() { PostQuitMessage(0); }

int WinIlova::ishlat(std::function<void()> ishgaTushdi) {
    asosiyOyna();
    xabarniTingla(WM_CLOSE, [this](WPARAM, LPARAM, LRESULT& r) {
        r = 0;
        tugat();
        return true;
    });
    xabarniTingla(WM_QUERYENDSESSION, [](WPARAM, LPARAM, LRESULT& r) {
        r = TRUE;  // nothing to save: the session may end
        return true;
    });
    xabarniTingla(WM_ENDSESSION, [](WPARAM w, LPARAM, LRESULT& r) {
        r = 0;
        if (w) chiq(0);
        return true;
    });
    asosiydaKeyin(std::move(ishgaTushdi));
    MSG m;
    while (GetMessageW(&m, nullptr, 0, 0) > 0) {
        if (tezTugmami(m) || oynaXabarimi(m)) continue;
        TranslateMessage(&m);
        DispatchMessageW(&m);
    }
    return int(m.wParam);
}

void WinIlova::takroriyTaymer(double soniya, std::function<void()> tik) { taymerQoy(UINT(soniya * 1000), std::move(tik)); }

void WinIlova::qaytaOchilganda(std::function<void()> f) {
    xabarniTingla(oynaniOchXabari(), [f = std::move(f)](WPARAM, LPARAM, LRESULT& r) {
        r = 0;
        f();
        return true;
    });
}

std::string WinIlova::dasturYoli() {
    std::wstring yol(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = GetModuleFileNameW(nullptr, yol.data(), DWORD(yol.size()));
        if (n < yol.size()) {
            yol.resize(n);
            return tor(yol);
        }
        yol.resize(yol.size() * 2);
    }
}

namespace {
// MessageBox has no button titles of its own choosing: the OK button is
// renamed, and widened to its title, once the box has laid itself out.
thread_local std::wstring tugmaMatni;
LRESULT CALLBACK qutiIlmogi(int kod, WPARAM w, LPARAM l) {
    const auto* x = reinterpret_cast<const CWPRETSTRUCT*>(l);
    if (kod == HC_ACTION && x->message == WM_INITDIALOG) {
        const HWND quti = x->hwnd;
        if (const HWND tugma = GetDlgItem(quti, IDOK)) {
            SetWindowTextW(tugma, tugmaMatni.c_str());
            RECT r;
            GetWindowRect(tugma, &r);
            MapWindowPoints(nullptr, quti, reinterpret_cast<POINT*>(&r), 2);
            HDC dc = GetDC(tugma);
            HGDIOBJ eski = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(tugma, WM_GETFONT, 0, 0)));
            SIZE o{};
            GetTextExtentPoint32W(dc, tugmaMatni.c_str(), int(tugmaMatni.size()), &o);
            SelectObject(dc, eski);
            ReleaseDC(tugma, dc);
            const int kerak = o.cx + 2 * o.cy;
            if (kerak > r.right - r.left)
                SetWindowPos(tugma, nullptr, (r.left + r.right - kerak) / 2, r.top, kerak, r.bottom - r.top,
                             SWP_NOZORDER);
        }
    }
    return CallNextHookEx(nullptr, kod, w, l);
}
}  // namespace

void WinOgohlantirish::korsat(const std::string& xabar, const std::string& izoh, const std::string& tugma) {
    tugmaMatni = keng(tugma);
    HHOOK h = SetWindowsHookExW(WH_CALLWNDPROCRET, qutiIlmogi, nullptr, GetCurrentThreadId());
    MessageBoxW(nullptr, keng(xabar + "\n\n" + izoh).c_str(), L"Harfnur",
                MB_OK | MB_ICONINFORMATION | MB_SETFOREGROUND | MB_TOPMOST);
    if (h) UnhookWindowsHookEx(h);
}

bool OldingiOynaIshonchi::ishonchlimi() {
    const HWND w = GetForegroundWindow();
    DWORD pid = 0;
    if (!w || !GetWindowThreadProcessId(w, &pid) || pid == GetCurrentProcessId()) return true;
    std::optional<DWORD> uning;
    if (HANDLE j = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid)) {
        uning = darajasi(j);
        CloseHandle(j);
    }
    const std::optional<DWORD> bizniki = darajasi(GetCurrentProcess());
    // A process we may not even look into is above us as well.
    const bool yetadi = bizniki && uning && *uning <= *bizniki;
    if (yetadi) {
        oxirgiRad_ = nullptr;
        return true;
    }
    if (oxirgiRad_ != w && jurnal_) {
        wchar_t sinf[256] = {};
        GetClassNameW(w, sinf, 256);
        jurnal_("yuqori darajali oynaga yetib bo'lmaydi: " + tor(sinf));
    }
    oxirgiRad_ = w;
    return false;
}

port::AvtoyuklashHolati WinAvtoyuklash::holat() {
    wchar_t qiymat[1024] = {};
    DWORD hajm = sizeof qiymat;
    if (RegGetValueW(HKEY_CURRENT_USER, runKaliti, qiymatNomi, RRF_RT_REG_SZ, nullptr, qiymat, &hajm) != ERROR_SUCCESS)
        return port::AvtoyuklashHolati::royxatdaEmas;
    // A value left by a copy elsewhere does not start this one.
    if (CompareStringOrdinal(qiymat, -1, qoshtirnoqda(dastur_).c_str(), -1, TRUE) != CSTR_EQUAL)
        return port::AvtoyuklashHolati::royxatdaEmas;
    // Turned off in Task Manager's start-up list: the value stays, Windows skips it.
    BYTE tasdiq[12] = {};
    hajm = sizeof tasdiq;
    if (RegGetValueW(HKEY_CURRENT_USER, yoqilganKaliti, qiymatNomi, RRF_RT_REG_BINARY, nullptr, tasdiq, &hajm) ==
            ERROR_SUCCESS &&
        hajm > 0 && (tasdiq[0] & 1))
        return port::AvtoyuklashHolati::tasdiqKerak;
    return port::AvtoyuklashHolati::yoqilgan;
}

std::optional<std::string> WinAvtoyuklash::royxatgaOl() {
    const std::wstring q = qoshtirnoqda(dastur_);
    const LSTATUS r = RegSetKeyValueW(HKEY_CURRENT_USER, runKaliti, qiymatNomi, REG_SZ, q.c_str(),
                                      DWORD((q.size() + 1) * sizeof(wchar_t)));
    if (r != ERROR_SUCCESS) return xatoMatni(DWORD(r));
    // Turned on here, by the user's own choice: Task Manager's "off" goes.
    RegDeleteKeyValueW(HKEY_CURRENT_USER, yoqilganKaliti, qiymatNomi);
    return std::nullopt;
}

std::optional<std::string> WinAvtoyuklash::royxatdanChiqar() {
    RegDeleteKeyValueW(HKEY_CURRENT_USER, yoqilganKaliti, qiymatNomi);
    const LSTATUS r = RegDeleteKeyValueW(HKEY_CURRENT_USER, runKaliti, qiymatNomi);
    if (r != ERROR_SUCCESS && r != ERROR_FILE_NOT_FOUND) return xatoMatni(DWORD(r));
    return std::nullopt;
}

void WinTizimJurnali::yoz(const std::string& satr) { OutputDebugStringW(keng("Harfnur: " + satr + "\n").c_str()); }

bool WinSozlamalar::mantiqiy(std::string_view kalit) {
    DWORD qiymat = 0, hajm = sizeof qiymat;
    return RegGetValueW(HKEY_CURRENT_USER, sozlamaKaliti, keng(kalit).c_str(), RRF_RT_REG_DWORD, nullptr, &qiymat,
                        &hajm) == ERROR_SUCCESS &&
           qiymat != 0;
}

void WinSozlamalar::yoz(std::string_view kalit, bool qiymat) {
    const DWORD q = qiymat ? 1 : 0;
    RegSetKeyValueW(HKEY_CURRENT_USER, sozlamaKaliti, keng(kalit).c_str(), REG_DWORD, &q, sizeof q);
}

std::optional<std::filesystem::path> WinJurnalJoyi::fayl() {
    PWSTR yol = nullptr;
    if (FAILED(SHGetKnownFolderPath(FOLDERID_LocalAppData, 0, nullptr, &yol))) {
        CoTaskMemFree(yol);
        return std::nullopt;
    }
    const std::filesystem::path papka = std::filesystem::path(yol) / L"Harfnur";
    CoTaskMemFree(yol);
    std::error_code xato;
    std::filesystem::create_directories(papka, xato);  // only ever while the log is on
    return papka / L"Harfnur.log";
}

port::Mikro WinSoat::hozir() {
    return std::chrono::duration_cast<port::Mikro>(std::chrono::steady_clock::now().time_since_epoch());
}

void WinSoat::uxla(port::Mikro muddat) { std::this_thread::sleep_for(muddat); }

}  // namespace harfnur::windows_
