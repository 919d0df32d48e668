// The CLIPBOARD through QClipboard. X11 has no change count: one is kept
// here, moved on every change of owner (ours included).
#pragma once

#include <QObject>
#include <atomic>
#include <chrono>

#include "platform/bufer.h"
#include "platform/linux/x11_bufer_oqish.h"

namespace harfnur::linux_ {

class QtBufer final : public QObject, public port::Bufer {
public:
    // The whole snapshot of the earlier content, every format together: an
    // owner that is stopped or slow delays the conversion this long at most.
    static constexpr std::chrono::milliseconds olishMuddati{250};
    // The copied item's rich text alone: a word processor renders it on
    // request, which takes longer for a long document; past this the paste
    // is refused, never made without it.
    static constexpr std::chrono::milliseconds tanlabOlishMuddati{1500};

    QtBufer();  // on the main thread
    std::int64_t ozgarishSoni() override { return son_.load(); }
    std::optional<std::string> matn() override;
    void tozala() override;
    void matnYoz(const std::string& matn) override;
    using port::Bufer::olish;
    port::BuferNusxasi olish(const port::TurTanlovi& kerakmi) override;  // never on the main thread
    void qaytar(const port::BuferNusxasi& nusxa) override;
    void yoz(const std::string& matn, const port::BuferNusxasi& boylar) override;
    std::int64_t oqilishSoni() override { return oqildi_.load(); }

private:
    std::atomic<std::int64_t> son_{0};
    std::atomic<std::int64_t> oqildi_{0};
    bool ozimiz_ = false;  // main thread: this program reads the clipboard itself
    X11BuferOquvchi oquvchi_;
};

}  // namespace harfnur::linux_
