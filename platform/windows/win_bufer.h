// The Windows clipboard. Every call runs on the main thread, whose hidden
// window owns what we put there; the sequence number is the change count.
#pragma once

#include "platform/bufer.h"

namespace harfnur::windows_ {

class WinBufer final : public port::Bufer {
public:
    std::int64_t ozgarishSoni() override;
    std::optional<std::string> matn() override;
    void tozala() override;
    // Our converted text, marked to stay out of clipboard history, the cloud
    // clipboard and clipboard monitors: it is there for a moment only.
    void matnYoz(const std::string& matn) override;
    port::BuferNusxasi olish() override;
    // The formats back in their order. The content was in history already,
    // so it is not added there a second time.
    void qaytar(const port::BuferNusxasi& nusxa) override;
};

}  // namespace harfnur::windows_
