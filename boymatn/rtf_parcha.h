// RTF cut into its tokens, each with the bytes it spans, so that a writer
// can keep any of them exactly as they were.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace harfnur::boymatn::rtf {

enum class Tur : std::uint8_t {
    Ochish,   // {
    Yopish,   // }
    Soz,      // \word, \word-12
    Belgi,    // \ and one byte that is not a letter (\' without two hex digits too)
    Hex,      // \'hh
    Ikkilik,  // \binN and the N bytes it carries
    Matn,     // literal bytes up to the next \ { } CR LF
    Qator,    // one CR or LF, which RTF ignores
};

struct Parcha {
    Tur tur = Tur::Matn;
    std::size_t bosh = 0, oxir = 0;  // bytes [bosh, oxir) of the input
    std::string_view nom;            // Soz: the letters
    bool parametrli = false;         // Soz: a number followed the letters
    std::int32_t parametr = 0;       // Soz: the number, clamped; Hex: the byte
    char belgi = 0;                  // Belgi: the byte after the backslash (0 at the end)
    // Soz, Ikkilik: a space ended it and belongs to it. Without one, a letter,
    // digit, hyphen or space written right after would change the word.
    bool ajratgichli = false;
};

// The token that starts at `i` (i < rtf.size()).
Parcha keyingiParcha(std::string_view rtf, std::size_t i);

}  // namespace harfnur::boymatn::rtf
