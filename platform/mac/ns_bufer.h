// The general pasteboard. Called on the conversion queue, where the
// conversion runs, and on the main thread by the self-test.
#pragma once

#include <memory>

#include "platform/bufer.h"
#include "platform/bufer_ruxsati.h"

namespace harfnur::mac {

// A snapshot keeps every item's every type, in order, the items apart, read
// within olishMuddati (platform/bufer_bandlari.h).
class NsBufer final : public port::Bufer {
public:
    NsBufer();
    ~NsBufer() override;
    std::int64_t ozgarishSoni() override;
    std::optional<std::string> matn() override;
    void tozala() override;
    void matnYoz(const std::string& matn) override;
    using port::Bufer::olish;
    port::BuferNusxasi olish(const port::TurTanlovi& kerakmi) override;
    void qaytar(const port::BuferNusxasi& nusxa) override;
    // The data is given only when asked for (on the main thread), so every
    // asking is seen; the provider stays until the pasteboard is cleared.
    void yoz(const std::string& matn, const port::BuferNusxasi& boylar) override;
    std::int64_t oqilishSoni() override;

private:
    struct Ichki;
    std::unique_ptr<Ichki> i_;
};

// Whether macOS asks before this program reads the general pasteboard
// (macOS 15.4 and later; `yoq` before). Any thread.
port::BuferRuxsati buferRuxsati();

}  // namespace harfnur::mac
