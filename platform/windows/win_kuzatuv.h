// Watches every key on the desktop through a low-level keyboard hook. The
// hook lives on a thread of its own, at a high priority, with its own message
// loop, and only hands each key to the main thread, so it never keeps a
// keystroke waiting; there the keys become the core's events for the
// monitors. Windows drops such a hook without a word when a callback was
// late, and across a sleep or a locked session: it is installed again on
// resume, on unlock, and when input went on that the hook did not see.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "platform/tugma_kuzatuvi.h"
#include "platform/windows/nazoratchilar.h"
#include "platform/windows/tugma_xaritasi.h"

namespace harfnur::windows_ {

// dwExtraInfo of the keys we post, so the hook knows them.
inline constexpr std::uintptr_t bizningBelgi = 0x48524E52;  // "HRNR"

class WinKuzatuv final : public port::TugmaKuzatuvi {
public:
    WinKuzatuv() = default;
    ~WinKuzatuv() override;
    // The hook sees our own windows' keys as well, so the global monitor
    // gets every key and a local one none: each tap counts once.
    std::optional<port::MonitorBelgisi> globalKuzat(std::uint64_t niqob, port::HodisaIshlovchisi i) override;
    std::optional<port::MonitorBelgisi> mahalliyKuzat(std::uint64_t niqob, port::HodisaIshlovchisi i) override;

    void qabul(const HookTugmasi& t);  // on the main thread
    void jurnalQoy(std::function<void(const std::string&)> f) { jurnal_ = std::move(f); }
    // Unhooks and hooks again on the hook's thread; the log says why.
    void qaytaOrnat(const char* sabab);

private:
    bool ulan();
    void toxta();

    std::thread ip_;
    unsigned long ipId_ = 0;
    void* tugadi_ = nullptr;  // set by the hook's thread once it has unhooked
    bool ulangan_ = false;
    bool sessiyaKuzatiladi_ = false;  // WTSRegisterSessionNotification took
    TugmaXaritasi xarita_;
    IlmoqNazorati nazorat_{0};
    std::function<void(const std::string&)> jurnal_;
    struct Monitor {
        std::uint64_t niqob;
        port::HodisaIshlovchisi ishlovchi;
    };
    std::vector<Monitor> monitorlar_;
    port::MonitorBelgisi keyingi_ = 1;
};

}  // namespace harfnur::windows_
