#include "platform/windows/win_kuzatuv.h"

#include <atomic>
#include <future>

#include "platform/windows/win_asosiy.h"

namespace harfnur::windows_ {
namespace {

std::atomic<WinKuzatuv*> faol{nullptr};

LRESULT CALLBACK ilmoq(int kod, WPARAM w, LPARAM l) {
    if (kod == HC_ACTION) {
        const auto* k = reinterpret_cast<const KBDLLHOOKSTRUCT*>(l);
        const HookTugmasi t{k->vkCode,
                            k->scanCode,
                            (k->flags & LLKHF_EXTENDED) != 0,
                            w == WM_KEYDOWN || w == WM_SYSKEYDOWN,
                            k->dwExtraInfo == bizningBelgi,
                            double(k->time) / 1000.0};
        // Only handed over: a hook that takes its time is dropped by Windows.
        asosiydaKeyin([t] {
            if (WinKuzatuv* kz = faol.load()) kz->qabul(t);
        });
    }
    return CallNextHookEx(nullptr, kod, w, l);
}

}  // namespace

WinKuzatuv::~WinKuzatuv() {
    faol.store(nullptr);
    if (ip_.joinable()) {
        PostThreadMessageW(ipId_, WM_QUIT, 0, 0);
        ip_.join();
    }
}

bool WinKuzatuv::ulan() {
    if (ulangan_) return true;
    asosiyOyna();
    std::promise<unsigned long> tayyor;
    auto natija = tayyor.get_future();
    ip_ = std::thread([&tayyor] {
        MSG m;
        PeekMessageW(&m, nullptr, 0, 0, PM_NOREMOVE);  // the thread's queue, before anyone posts to it
        HHOOK h = SetWindowsHookExW(WH_KEYBOARD_LL, ilmoq, GetModuleHandleW(nullptr), 0);
        tayyor.set_value(h ? GetCurrentThreadId() : 0);
        if (!h) return;
        while (GetMessageW(&m, nullptr, 0, 0) > 0) DispatchMessageW(&m);
        UnhookWindowsHookEx(h);
    });
    ipId_ = natija.get();
    if (!ipId_) {
        ip_.join();
        return false;
    }
    faol.store(this);
    ulangan_ = true;
    return true;
}

std::optional<port::MonitorBelgisi> WinKuzatuv::globalKuzat(std::uint64_t niqob, port::HodisaIshlovchisi i) {
    if (!ulan()) return std::nullopt;
    monitorlar_.push_back({niqob, std::move(i)});
    return keyingi_++;
}

std::optional<port::MonitorBelgisi> WinKuzatuv::mahalliyKuzat(std::uint64_t, port::HodisaIshlovchisi) {
    if (!ulan()) return std::nullopt;
    return keyingi_++;
}

void WinKuzatuv::qabul(const HookTugmasi& t) {
    const std::optional<TugmaHodisasi> h = xarita_.otkaz(t);
    if (!h) return;
    for (const Monitor& m : monitorlar_)
        if (m.niqob & (std::uint64_t{1} << h->tur)) m.ishlovchi(*h);
}

}  // namespace harfnur::windows_
