#include "platform/windows/win_kuzatuv.h"

#include "platform/windows/win_asosiy.h"  // <windows.h> before <wtsapi32.h>

#include <wtsapi32.h>

#include <atomic>
#include <future>

namespace harfnur::windows_ {
namespace {

std::atomic<WinKuzatuv*> faol{nullptr};

// A thread message to the hook's thread; lParam is the reason, a literal.
constexpr UINT qaytaOrnatXabari = WM_APP + 20;
// How often the main thread compares the system's last input with the hook's.
constexpr UINT tekshirishOraligi = 10'000;

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

HHOOK ilmoqQoy() { return SetWindowsHookExW(WH_KEYBOARD_LL, ilmoq, GetModuleHandleW(nullptr), 0); }

}  // namespace

WinKuzatuv::~WinKuzatuv() { toxta(); }

void WinKuzatuv::toxta() {
    faol.store(nullptr);
    if (!ip_.joinable()) return;
    PostThreadMessageW(ipId_, WM_QUIT, 0, 0);
    // Never long: on the way out at the end of a session, time is short.
    if (WaitForSingleObject(tugadi_, 500) == WAIT_OBJECT_0) {
        ip_.join();
    } else {
        ip_.detach();
    }
    CloseHandle(tugadi_);
    tugadi_ = nullptr;
}

bool WinKuzatuv::ulan() {
    if (ulangan_) return true;
    const HWND oyna = asosiyOyna();
    tugadi_ = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    std::promise<unsigned long> tayyor;
    auto natija = tayyor.get_future();
    ip_ = std::thread([&tayyor, tugadi = tugadi_] {
        // The callback must never wait behind busy threads of ours.
        SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_TIME_CRITICAL);
        MSG m;
        PeekMessageW(&m, nullptr, 0, 0, PM_NOREMOVE);  // the thread's queue, before anyone posts to it
        HHOOK h = ilmoqQoy();
        tayyor.set_value(h ? GetCurrentThreadId() : 0);
        if (!h) {
            SetEvent(tugadi);
            return;
        }
        while (GetMessageW(&m, nullptr, 0, 0) > 0) {
            if (!m.hwnd && m.message == qaytaOrnatXabari) {
                if (h) UnhookWindowsHookEx(h);
                h = ilmoqQoy();
                const DWORD xato = h ? 0 : GetLastError();
                const auto* sabab = reinterpret_cast<const char*>(m.lParam);
                asosiydaKeyin([sabab, xato] {
                    if (WinKuzatuv* kz = faol.load(); kz && kz->jurnal_)
                        kz->jurnal_(std::string("klaviatura ilmog'i qayta o'rnatildi (") + sabab + ")" +
                                    (xato ? ": xato " + std::to_string(xato) : std::string()));
                });
                continue;
            }
            DispatchMessageW(&m);
        }
        if (h) UnhookWindowsHookEx(h);
        SetEvent(tugadi);
    });
    ipId_ = natija.get();
    if (!ipId_) {
        ip_.join();
        CloseHandle(tugadi_);
        tugadi_ = nullptr;
        return false;
    }
    faol.store(this);
    ulangan_ = true;
    nazorat_ = IlmoqNazorati(GetTickCount());

    // Hooks do not outlive a sleep or a locked session reliably.
    xabarniTingla(WM_POWERBROADCAST, [this](WPARAM w, LPARAM, LRESULT& r) {
        if (w != PBT_APMRESUMEAUTOMATIC) return false;
        qaytaOrnat("uyg'onish");
        r = TRUE;
        return true;
    });
    xabarniTingla(WM_WTSSESSION_CHANGE, [this](WPARAM w, LPARAM, LRESULT& r) {
        if (w != WTS_SESSION_UNLOCK) return false;
        qaytaOrnat("sessiya ochildi");
        r = 0;
        return true;
    });
    // Refused at logon until Remote Desktop Services are up: asked again on the timer.
    sessiyaKuzatiladi_ = WTSRegisterSessionNotification(oyna, NOTIFY_FOR_THIS_SESSION);
    taymerQoy(tekshirishOraligi, [this, oyna] {
        if (!sessiyaKuzatiladi_) sessiyaKuzatiladi_ = WTSRegisterSessionNotification(oyna, NOTIFY_FOR_THIS_SESSION);
        LASTINPUTINFO k{sizeof k, 0};
        if (GetLastInputInfo(&k) && nazorat_.tekshir(GetTickCount(), k.dwTime)) qaytaOrnat("ilmoq jim");
    });
    chiqishdaBajar([this, oyna] {
        if (sessiyaKuzatiladi_) WTSUnRegisterSessionNotification(oyna);
        toxta();
    });
    return true;
}

void WinKuzatuv::qaytaOrnat(const char* sabab) {
    if (!ulangan_) return;
    nazorat_.qaytaOrnatildi(GetTickCount());
    PostThreadMessageW(ipId_, qaytaOrnatXabari, 0, reinterpret_cast<LPARAM>(sabab));
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
    nazorat_.tugmaKorildi(GetTickCount());  // ours too: the hook is alive
    const std::optional<TugmaHodisasi> h = xarita_.otkaz(t);
    if (!h) return;
    for (const Monitor& m : monitorlar_)
        if (m.niqob & (std::uint64_t{1} << h->tur)) m.ishlovchi(*h);
}

}  // namespace harfnur::windows_
