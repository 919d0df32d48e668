// Where a text may be cut into pieces that convert on their own.
#include <cstring>

#include "engine/ogir.h"

namespace harfnur {

// A line feed is a Character of its own (or ends CR LF), and the break after
// it is unconditional. A blank with ASCII on both sides is a Character of its
// own too: ASCII holds no prefix or extending code point. Neither is a
// letter, a mark, or the start of a rule, so a step at the Character before
// the cut never reaches past it with a present-or-absent difference, and one
// after it sees "no letter before" either way.
std::size_t kesishJoyi(std::string_view t, std::size_t dan) {
    const std::size_t n = t.size();
    if (dan == 0) dan = 1;
    if (dan >= n) return n;
    const auto* b = reinterpret_cast<const unsigned char*>(t.data());
    // Texts are made of lines: a line feed is looked for first, then a blank,
    // one window at a time. Cutting at k means after the byte at k - 1.
    constexpr std::size_t oyna = 1 << 16;
    for (std::size_t bosh = dan - 1; bosh < n; bosh += oyna) {
        const std::size_t oxir = bosh + oyna < n ? bosh + oyna : n;
        if (const void* lf = std::memchr(b + bosh, '\n', oxir - bosh))
            return std::size_t(static_cast<const unsigned char*>(lf) - b) + 1;
        for (std::size_t j = bosh < 1 ? 1 : bosh; j < oxir && j + 1 < n; ++j)
            if ((b[j] == ' ' || b[j] == '\t') && b[j - 1] < 0x80 && b[j + 1] < 0x80) return j + 1;
    }
    return n;
}

std::optional<bool> qadamAniqmi(const HarfSanogi& s, std::size_t qolgan) {
    // A letter takes at least one byte, a Cyrillic one at least two.
    if (s.kirill > s.boshqa && s.kirill - s.boshqa > qolgan) return true;
    if (s.boshqa >= s.kirill && s.boshqa - s.kirill >= qolgan / 2) return false;
    return std::nullopt;
}

}  // namespace harfnur
