// Auto-repeat of a held key, which XInput2 raw events never report: the X
// server repeats a held key after a delay, then at an interval, without a
// raw event. When the key reader learns of the next event, it works out
// whether the held key repeated since the previous one.
#pragma once

#include <cstdint>
#include <optional>

namespace harfnur::linux_ {

struct TakrorSozlamasi {
    bool yoqilgan = true;        // XKB RepeatKeys
    std::int64_t kechikish = 660;  // ms from the press to the first repeat
    std::int64_t oraliq = 40;      // ms between repeats
};

// The time (X server ms) of the last repeat of a key held since `bosildi`
// that falls in (`oldingi`, `hozir`], if any.
inline std::optional<std::int64_t> songgiTakror(const TakrorSozlamasi& s, std::int64_t bosildi, std::int64_t oldingi,
                                                std::int64_t hozir) {
    if (!s.yoqilgan || s.oraliq <= 0) return std::nullopt;
    const std::int64_t birinchi = bosildi + s.kechikish;
    if (hozir < birinchi) return std::nullopt;
    const std::int64_t t = birinchi + (hozir - birinchi) / s.oraliq * s.oraliq;
    return t > oldingi ? std::optional<std::int64_t>(t) : std::nullopt;
}

}  // namespace harfnur::linux_
