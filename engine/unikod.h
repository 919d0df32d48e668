// Thin ICU wrappers over UTF-8 strings: the Unicode facts the engine rests on
// (grapheme clusters, canonical equivalence, default full case mappings,
// the Alphabetic property). Slow-path helpers; hot loops use cached tables.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace harfnur::unikod {

bool alifbomi(char32_t kod);  // Unicode property Alphabetic

// Locale-independent full case mappings of the whole text.
std::string kichikHarfli(std::string_view t);
std::string kattaHarfli(std::string_view t);

// Canonical composition; two texts are canonically equivalent when their
// NFC forms are equal.
std::string nfc(std::string_view t);
bool tengmi(std::string_view a, std::string_view b);

// Extended grapheme cluster boundaries of valid UTF-8, as byte offsets after
// each cluster (the last is t.size()). `chegaralar` is reused storage.
void klasterlar(std::string_view t, std::vector<std::size_t>& chegaralar);

// Byte length of the first extended grapheme cluster of valid UTF-8.
std::size_t birinchiKlaster(std::string_view t);

// Whether a code point never joins a neighbouring cluster on its own side:
// grapheme break class Other, Control, CR or LF, and not pictographic.
bool yakkaKlastermi(char32_t kod);

}  // namespace harfnur::unikod
