// The general pasteboard. Called on the conversion queue, where the
// conversion runs, and on the main thread by the self-test.
#pragma once

#include "platform/bufer.h"

namespace harfnur::mac {

// A snapshot keeps every item's every type, in order, the items apart
// (platform/bufer_bandlari.h).
class NsBufer final : public port::Bufer {
public:
    std::int64_t ozgarishSoni() override;
    std::optional<std::string> matn() override;
    void tozala() override;
    void matnYoz(const std::string& matn) override;
    port::BuferNusxasi olish() override;
    void qaytar(const port::BuferNusxasi& nusxa) override;
};

}  // namespace harfnur::mac
