// The general pasteboard (the CLIPBOARD on X11).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
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
    bool boshmi() const { return turlar.empty(); }
};

class Bufer {
public:
    virtual ~Bufer() = default;
    // Moves on every change of content, by any application.
    virtual std::int64_t ozgarishSoni() = 0;
    virtual std::optional<std::string> matn() = 0;  // plain text, if offered
    virtual void tozala() = 0;
    virtual void matnYoz(const std::string& matn) = 0;
    virtual BuferNusxasi olish() = 0;
    virtual void qaytar(const BuferNusxasi& nusxa) = 0;
};

}  // namespace harfnur::port
