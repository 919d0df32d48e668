// Public face of the transliteration engine.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace harfnur {

// Converts a whole text from old Latin or Cyrillic Uzbek to the reformed
// Latin orthography. Any bytes are accepted; invalid UTF-8 passes unchanged.
std::string ogir(std::string_view matn);

// Number of Characters (extended grapheme clusters); an invalid byte is one.
std::size_t belgiSoni(std::string_view matn);

// Canonical equivalence of two texts.
bool tengmi(std::string_view a, std::string_view b);

// ---- A large text in pieces ----
// `ogir(t)` equals: choose the step from the letters of the whole of t, then
// convert each piece of t cut at `kesishJoyi` with that step, in order.

// Letters that decide the step: Cyrillic ones against all others. Counts of
// pieces cut between Characters add up to the count of the whole.
struct HarfSanogi {
    std::size_t kirill = 0;  // Cyrillic letters
    std::size_t boshqa = 0;  // every other letter
    bool kirillmi() const { return boshqa < kirill; }
    HarfSanogi& operator+=(const HarfSanogi& b) {
        kirill += b.kirill;
        boshqa += b.boshqa;
        return *this;
    }
};
HarfSanogi harflarniSana(std::string_view matn);

// The step already fixed by `sanoq` whatever `qolganBayt` more bytes hold
// (true: Cyrillic), or nothing while they could still tip it.
std::optional<bool> qadamAniqmi(const HarfSanogi& sanoq, std::size_t qolganBayt);

// The first place at or after `dan` (and after 0) where `matn` may be cut
// into two pieces that convert on their own exactly as they do inside the
// whole: after a line feed, or after a blank between ASCII bytes. No step
// looks across such a place and no Character spans it. matn.size() when
// there is none.
std::size_t kesishJoyi(std::string_view matn, std::size_t dan);

// Appends `qism` converted with the given step (true: Cyrillic) to `chiqish`;
// returns the letters of `qism`, counted on the way.
HarfSanogi qadamBilanOgir(std::string_view qism, bool kirillmi, std::string& chiqish);

}  // namespace harfnur
