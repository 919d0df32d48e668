// What the two steps need to know of one Character, packed in a word so the
// walk compares bits instead of strings. Computed from the Character's
// scalars with ICU; single code points are cached.
#pragma once

#include <cstdint>
#include <string_view>

namespace harfnur::ichki {

using Sinf = std::uint32_t;

// Every bit is clear for an absent neighbour, so an absent one fails every test.
inline constexpr Sinf harfBit = 1u << 0;     // passes the letter test
inline constexpr Sinf kirillBit = 1u << 1;   // every scalar in U+0400..U+04FF
inline constexpr Sinf kichikBit = 1u << 2;   // equals its own lower-case mapping
inline constexpr Sinf okinaBit = 1u << 3;    // member of okina
inline constexpr Sinf tutuqBit = 1u << 4;    // member of tutuqlar
inline constexpr Sinf unliBit = 1u << 5;     // lower-cased form in kirillUnlilar
inline constexpr Sinf lotinBoshBit = 1u << 6;   // a Latin rule may start here (o g s c or a mark)
inline constexpr Sinf kirillBoshBit = 1u << 7;  // a Cyrillic row applies (has a key)
inline constexpr Sinf undoshBit = 1u << 11;     // a letter after which е reads "e", not "ye"

// Lower-cased form among the letters the Latin step knows.
enum class Shakl : Sinf { yoq = 0, o, g, s, c, h };
inline constexpr int shaklSurish = 8;
constexpr Shakl shakl(Sinf s) { return Shakl((s >> shaklSurish) & 7u); }

// Lower-cased form as a Cyrillic key: 0 none, 1..35 a `kirill` entry by its
// position + 1, then е and ц, which the map leaves to context rules.
inline constexpr int kalitSurish = 16;
inline constexpr int kalitE = 36;
inline constexpr int kalitTs = 37;
constexpr int kalit(Sinf s) { return int((s >> kalitSurish) & 63u); }

// Whether every scalar of a Character lies in the Cyrillic block.
bool kirillHarfmi(std::string_view belgi);

// Full classification of one Character (valid UTF-8, non-empty).
Sinf sinfla(std::string_view belgi);

// The class of a Character made of one code point, and whether that code
// point can never join a neighbour into a larger Character.
struct KodSinfi {
    Sinf sinf;
    bool yakka;
};
KodSinfi kodSinfi(char32_t kod);

// Classes of every code point below U+0800, with yakkaBit for those that
// never join a neighbour; built once, read without locks.
inline constexpr std::uint32_t yakkaBit = 1u << 30;
const std::uint32_t* tezJadval();

// Class of a Character that is one invalid byte: no letter, nothing matches.
inline constexpr Sinf xatoBaytSinfi = kichikBit;

}  // namespace harfnur::ichki
