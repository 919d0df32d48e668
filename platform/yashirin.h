// Concealed items: a password manager marks what it copies with a type of
// its own (nspasteboard.org), so that others keep it out of sight. Such an
// item goes back onto the pasteboard like any other, but it is never read as
// text to convert, so neither its text nor its length reaches the log.
#pragma once

#include <string_view>

#include "platform/bufer.h"

namespace harfnur {

inline constexpr std::string_view yashirinTur = "org.nspasteboard.ConcealedType";

// Whether any item of the snapshot carries the mark, offered or read.
bool yashirinmi(const port::BuferNusxasi& nusxa);

// Passes every call on, except that a concealed pasteboard has no text.
class YashirinQoriqchisi final : public port::Bufer {
public:
    explicit YashirinQoriqchisi(port::Bufer& asl) : asl_(asl) {}

    std::int64_t ozgarishSoni() override { return asl_.ozgarishSoni(); }
    std::optional<std::string> matn() override;
    void tozala() override { asl_.tozala(); }
    void matnYoz(const std::string& matn) override { asl_.matnYoz(matn); }
    using port::Bufer::olish;
    port::BuferNusxasi olish(const port::TurTanlovi& kerakmi) override { return asl_.olish(kerakmi); }
    void qaytar(const port::BuferNusxasi& nusxa) override { asl_.qaytar(nusxa); }
    void yoz(const std::string& matn, const port::BuferNusxasi& boylar) override { asl_.yoz(matn, boylar); }
    std::int64_t oqilishSoni() override { return asl_.oqilishSoni(); }

private:
    port::Bufer& asl_;
};

}  // namespace harfnur
