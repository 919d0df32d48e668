#include "platform/windows/win_asosiy.h"

#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <vector>

namespace harfnur::windows_ {
namespace {

DWORD asosiyIp = 0;
HWND oyna = nullptr;

std::map<UINT, std::vector<XabarIshlovchisi>>& ishlovchilar() {
    static std::map<UINT, std::vector<XabarIshlovchisi>> m;
    return m;
}

std::map<UINT_PTR, std::function<void()>>& taymerlar() {
    static std::map<UINT_PTR, std::function<void()>> m;
    return m;
}

std::vector<std::function<void()>>& chiqishIshlari() {
    static std::vector<std::function<void()>> v;
    return v;
}

LRESULT CALLBACK oynaJarayoni(HWND h, UINT x, WPARAM w, LPARAM l) {
    switch (x) {
        case ishXabari:
            (*reinterpret_cast<const std::function<void()>*>(l))();
            return 0;
        case keyinXabari: {
            std::unique_ptr<std::function<void()>> f(reinterpret_cast<std::function<void()>*>(l));
            (*f)();
            return 0;
        }
        case WM_TIMER:
            if (auto i = taymerlar().find(w); i != taymerlar().end()) {
                auto f = i->second;  // a copy: the timer may remove itself
                f();
                return 0;
            }
            break;
        default:
            break;
    }
    if (auto i = ishlovchilar().find(x); i != ishlovchilar().end()) {
        const std::vector<XabarIshlovchisi> royxat = i->second;  // a handler may add another
        LRESULT r = 0, natija = 0;
        bool boldi = false;
        for (const XabarIshlovchisi& f : royxat)
            if (f(w, l, r)) {
                boldi = true;
                natija = r;
            }
        if (boldi) return natija;
    }
    return DefWindowProcW(h, x, w, l);
}

}  // namespace

std::wstring keng(std::string_view s) {
    if (s.empty()) return {};
    const int n = MultiByteToWideChar(CP_UTF8, 0, s.data(), int(s.size()), nullptr, 0);
    std::wstring r(std::size_t(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, s.data(), int(s.size()), r.data(), n);
    return r;
}

std::string tor(std::wstring_view s) {
    if (s.empty()) return {};
    const int n = WideCharToMultiByte(CP_UTF8, 0, s.data(), int(s.size()), nullptr, 0, nullptr, nullptr);
    std::string r(std::size_t(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, s.data(), int(s.size()), r.data(), n, nullptr, nullptr);
    return r;
}

HWND asosiyOyna() {
    if (oyna) return oyna;
    asosiyIp = GetCurrentThreadId();
    WNDCLASSW c{};
    c.lpfnWndProc = oynaJarayoni;
    c.hInstance = GetModuleHandleW(nullptr);
    c.lpszClassName = asosiySinf;
    RegisterClassW(&c);
    oyna = CreateWindowExW(WS_EX_TOOLWINDOW, c.lpszClassName, asosiyNom, WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                           c.hInstance, nullptr);
    return oyna;
}

bool asosiyIpdami() { return GetCurrentThreadId() == asosiyIp; }

void asosiyIpda(const std::function<void()>& f) {
    if (!oyna || asosiyIpdami()) return f();
    SendMessageW(oyna, ishXabari, 0, reinterpret_cast<LPARAM>(&f));
}

void asosiydaKeyin(std::function<void()> f) {
    auto* p = new std::function<void()>(std::move(f));
    if (!oyna || !PostMessageW(oyna, keyinXabari, 0, reinterpret_cast<LPARAM>(p))) delete p;
}

void xabarniTingla(UINT xabar, XabarIshlovchisi ishlovchi) { ishlovchilar()[xabar].push_back(std::move(ishlovchi)); }

UINT_PTR taymerQoy(UINT ms, std::function<void()> f) {
    static UINT_PTR keyingi = 100;
    const UINT_PTR id = keyingi++;
    taymerlar()[id] = std::move(f);
    SetTimer(asosiyOyna(), id, ms, nullptr);
    return id;
}

void taymerniOchir(UINT_PTR id) {
    KillTimer(asosiyOyna(), id);
    taymerlar().erase(id);
}

void chiqishdaBajar(std::function<void()> f) { chiqishIshlari().push_back(std::move(f)); }

void chiq(int kod) {
    static bool chiqyapti = false;
    if (!chiqyapti) {
        chiqyapti = true;
        auto& v = chiqishIshlari();
        for (auto i = v.rbegin(); i != v.rend(); ++i) (*i)();
    }
    // A conversion still running may wait on the main thread, which has
    // stopped: leave without joining it. Log lines are already written.
    std::fflush(nullptr);
    std::_Exit(kod);
}

UINT oynaniOchXabari() {
    static const UINT x = RegisterWindowMessageW(L"Harfnur.YoriqnomaniOch");
    return x;
}

}  // namespace harfnur::windows_
