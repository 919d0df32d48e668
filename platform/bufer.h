// The general pasteboard (the CLIPBOARD on X11).
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace harfnur::port {

// Every representation the pasteboard offered, as (type, bytes) pairs:
// enough to put the content back whole, not only its plain text.
struct BuferNusxasi {
    std::vector<std::pair<std::string, std::string>> turlar;
    // Representations the owner offered but did not give in time (or at
    // all): they are not in `turlar` and do not come back.
    int oqilmadi = 0;
    // The name of every type offered, read or not, as the platform names
    // it; an empty name separates items where the platform has several.
    std::vector<std::string> taklif = {};
    bool boshmi() const { return turlar.empty(); }
};

// Which offered types to read; an empty one reads them all.
using TurTanlovi = std::function<bool(std::string_view tur)>;

class Bufer {
public:
    virtual ~Bufer() = default;
    // Moves on every change of content, by any application.
    virtual std::int64_t ozgarishSoni() = 0;
    virtual std::optional<std::string> matn() = 0;  // plain text, if offered
    virtual void tozala() = 0;
    virtual void matnYoz(const std::string& matn) = 0;
    // The content, within the platform's time budget, with the bytes of the
    // types `kerakmi` picks.
    virtual BuferNusxasi olish(const TurTanlovi& kerakmi) = 0;
    BuferNusxasi olish() { return olish({}); }
    virtual void qaytar(const BuferNusxasi& nusxa) = 0;

    // A converted item: the plain text and the rich representations
    // (`boylar`, richest first) as one item, so that the target pastes the
    // richest it understands. Marked as passing, for clipboard histories.
    virtual void yoz(const std::string& matn, const BuferNusxasi& boylar) = 0;
    // How many times another application has asked for the data of what
    // `yoz` put there; moves when the target of a paste reads it.
    virtual std::int64_t oqilishSoni() = 0;
};

}  // namespace harfnur::port
