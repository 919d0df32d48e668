#include "platform/windows/win_asosiy.h"

#include <map>
#include <memory>

namespace harfnur::windows_ {
namespace {

DWORD asosiyIp = 0;
HWND oyna = nullptr;

std::map<UINT, XabarIshlovchisi>& ishlovchilar() {
    static std::map<UINT, XabarIshlovchisi> m;
    return m;
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
        default:
            break;
    }
    if (auto i = ishlovchilar().find(x); i != ishlovchilar().end()) {
        LRESULT r = 0;
        if (i->second(w, l, r)) return r;
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
    c.lpszClassName = L"HarfnurAsosiy";
    RegisterClassW(&c);
    oyna = CreateWindowExW(WS_EX_TOOLWINDOW, c.lpszClassName, L"Harfnur", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
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

void xabarniTingla(UINT xabar, XabarIshlovchisi ishlovchi) { ishlovchilar()[xabar] = std::move(ishlovchi); }

}  // namespace harfnur::windows_
