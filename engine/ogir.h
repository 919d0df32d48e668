// Public face of the transliteration engine.
#pragma once

#include <cstddef>
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

}  // namespace harfnur
