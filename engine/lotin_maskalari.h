// What the old-Latin lane knows of a block of text, as bit masks with one
// bit per Character: classified straight from the bytes for plain ASCII, or
// from the flags of each code point where two- and three-byte ones that
// stand alone (ʻ ’ “ « ö, Cyrillic, and the like) are among it.
#pragma once

#include <array>
#include <cstdint>
#include <cstring>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "engine/sinf.h"
#include "engine/yolaklar.h"

namespace harfnur::ichki::yolak {

// One bit per Character of a block: letters, marks, o g s c h in either
// case, and capitals.
struct Maskalar {
    std::uint64_t L = 0, M = 0, O = 0, G = 0, S = 0, C = 0, H = 0, U = 0;
};

// The masks of 64 ASCII bytes, each its own Character.
#if defined(__SSE2__)
inline Maskalar maskala(const unsigned char* p) {
    Maskalar m;
    const __m128i kichiklash = _mm_set1_epi8(0x20);
    auto bit = [](__m128i v) { return std::uint64_t(unsigned(_mm_movemask_epi8(v))); };
    auto teng8 = [](__m128i v, char c) { return _mm_cmpeq_epi8(v, _mm_set1_epi8(c)); };
    auto oraliq8 = [](__m128i v, char past, char yuqorisi) {
        return _mm_and_si128(_mm_cmpgt_epi8(v, _mm_set1_epi8(char(past - 1))),
                             _mm_cmplt_epi8(v, _mm_set1_epi8(char(yuqorisi + 1))));
    };
    for (int i = 0; i < 4; ++i) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 16 * i));
        const __m128i x = _mm_or_si128(v, kichiklash);
        const int s = 16 * i;
        m.L |= bit(oraliq8(x, 'a', 'z')) << s;
        m.U |= bit(oraliq8(v, 'A', 'Z')) << s;
        m.M |= bit(_mm_or_si128(teng8(v, '\''), teng8(v, '`'))) << s;
        m.O |= bit(teng8(x, 'o')) << s;
        m.G |= bit(teng8(x, 'g')) << s;
        m.S |= bit(teng8(x, 's')) << s;
        m.C |= bit(teng8(x, 'c')) << s;
        m.H |= bit(teng8(x, 'h')) << s;
    }
    return m;
}
#else
inline Maskalar maskala(const unsigned char* p) {
    Maskalar m;
    for (int i = 0; i < 8; ++i) {
        std::uint64_t w;
        std::memcpy(&w, p + 8 * i, 8);
        const std::uint64_t x = w | (birlar * 0x20);  // folds A-Z onto a-z
        const int s = 8 * i;
        m.L |= yigish(oraliqda(x, 'a', 'z')) << s;
        m.U |= yigish(oraliqda(w, 'A', 'Z')) << s;
        m.M |= yigish(teng(w, '\'') | teng(w, '`')) << s;
        m.O |= yigish(teng(x, 'o')) << s;
        m.G |= yigish(teng(x, 'g')) << s;
        m.S |= yigish(teng(x, 's')) << s;
        m.C |= yigish(teng(x, 'c')) << s;
        m.H |= yigish(teng(x, 'h')) << s;
    }
    return m;
}
#endif

// The letters a..z and A..Z among 64 bytes.
inline std::uint64_t asciiHarflari(const unsigned char* p) {
    std::uint64_t r = 0;
#if defined(__SSE2__)
    for (int i = 0; i < 4; ++i) {
        const __m128i v = _mm_or_si128(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 16 * i)), _mm_set1_epi8(0x20));
        const __m128i harf = _mm_and_si128(_mm_cmpgt_epi8(v, _mm_set1_epi8('a' - 1)), _mm_cmplt_epi8(v, _mm_set1_epi8('z' + 1)));
        r |= std::uint64_t(unsigned(_mm_movemask_epi8(harf))) << (16 * i);
    }
#else
    for (int i = 0; i < 8; ++i) {
        std::uint64_t w;
        std::memcpy(&w, p + 8 * i, 8);
        const std::uint64_t ascii = w & ~(((w & yuqori) >> 7) * 0xFF);  // others as NUL, no carries
        r |= yigish(oraliqda(ascii | (birlar * 0x20), 'a', 'z')) << (8 * i);
    }
#endif
    return r;
}

// Flags of one Character for the masks, plus whether it is a Cyrillic
// letter (for the count) and whether its code point stands alone.
enum LotinBayroq : std::uint16_t {
    bHarf = 1,
    bOkina = 2,
    bO = 4,
    bG = 8,
    bS = 16,
    bC = 32,
    bH = 64,
    bKatta = 128,
    bKirill = 256,
    bYakka = 512,
};
inline std::uint16_t lotinBayroqlari(Sinf s, bool yakka) {
    static constexpr std::uint16_t shakllar[8] = {0, bO, bG, bS, bC, bH, 0, 0};
    return std::uint16_t(((s & harfBit) ? bHarf : 0) | ((s & okinaBit) ? bOkina : 0) | shakllar[unsigned(shakl(s))] |
                         ((s & kichikBit) ? 0 : bKatta) |
                         ((s & (harfBit | kirillBit)) == (harfBit | kirillBit) ? bKirill : 0) | (yakka ? bYakka : 0));
}
// The flags of every code point below U+0800, from the walk's own table.
inline const std::uint16_t* lotinBayroqJadvali() {
    static const std::array<std::uint16_t, 0x800> t = [] {
        std::array<std::uint16_t, 0x800> r{};
        const std::uint32_t* j = tezJadval();
        for (unsigned k = 0; k < 0x800; ++k) r[k] = lotinBayroqlari(j[k] & ~yakkaBit, (j[k] & yakkaBit) != 0);
        return r;
    }();
    return t.data();
}

// The class of a code point the lane accepted.
inline Sinf kodSinfiDan(const unsigned char* p, const std::uint32_t* jadval) {
    const unsigned c0 = p[0];
    if (c0 < 0x80) return jadval[c0] & ~yakkaBit;
    if (c0 < 0xE0) return jadval[(c0 & 0x1Fu) << 6 | (p[1] & 0x3Fu)] & ~yakkaBit;
    return kodSinfi((c0 & 0x0Fu) << 12 | (p[1] & 0x3Fu) << 6 | (p[2] & 0x3Fu)).sinf;
}

// Bits of 64 bytes that start a code point, that is, all but 10xxxxxx.
inline std::uint64_t kodBoshlari(const unsigned char* p) {
    std::uint64_t r = 0;
#if defined(__SSE2__)
    for (int i = 0; i < 4; ++i) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 16 * i));
        r |= std::uint64_t(unsigned(_mm_movemask_epi8(_mm_cmpgt_epi8(v, _mm_set1_epi8(char(0xBF)))))) << (16 * i);
    }
#else
    for (int i = 0; i < 8; ++i) {
        std::uint64_t w;
        std::memcpy(&w, p + 8 * i, 8);
        r |= yigish(~(w & yuqori & ~(w << 1)) & yuqori) << (8 * i);
    }
#endif
    return r;
}
// The flags of the three bytes at p, which lead and continue one code
// point; 0 when they do not encode U+0800..U+FFFF validly.
inline std::uint16_t uchBaytliBayroq(const unsigned char* p) {
    if ((p[0] & 0xF0u) != 0xE0u) return 0;
    const char32_t kod = (p[0] & 0x0Fu) << 12 | (p[1] & 0x3Fu) << 6 | (p[2] & 0x3Fu);
    if (kod < 0x800 || (kod >= 0xD800 && kod < 0xE000)) return 0;  // overlong or a surrogate
    const KodSinfi ks = kodSinfi(kod);
    return lotinBayroqlari(ks.sinf, ks.yakka);
}
// The masks of the first 64 Characters from their flag bytes, with the
// Cyrillic letters in K.
inline Maskalar bayroqMaskalari(const std::uint8_t* past, const std::uint8_t* yuqori8, std::uint64_t& K) {
    Maskalar m;
#if defined(__SSE2__)
    for (int i = 0; i < 4; ++i) {
        const __m128i v = _mm_load_si128(reinterpret_cast<const __m128i*>(past + 16 * i));
        const __m128i h = _mm_load_si128(reinterpret_cast<const __m128i*>(yuqori8 + 16 * i));
        // Shifting a flag up to the byte's top bit; 16-bit lanes carry
        // nothing into a byte's top bit from below for shifts under eight.
        auto bit = [](__m128i x) { return std::uint64_t(unsigned(_mm_movemask_epi8(x))); };
        const int s = 16 * i;
        m.L |= bit(_mm_slli_epi16(v, 7)) << s;
        m.M |= bit(_mm_slli_epi16(v, 6)) << s;
        m.O |= bit(_mm_slli_epi16(v, 5)) << s;
        m.G |= bit(_mm_slli_epi16(v, 4)) << s;
        m.S |= bit(_mm_slli_epi16(v, 3)) << s;
        m.C |= bit(_mm_slli_epi16(v, 2)) << s;
        m.H |= bit(_mm_slli_epi16(v, 1)) << s;
        m.U |= bit(v) << s;
        K |= bit(_mm_slli_epi16(h, 7)) << s;
    }
#else
    for (unsigned i = 0; i < 64; ++i) {
        const unsigned f = past[i];
        m.L |= std::uint64_t(f & 1) << i;
        m.M |= std::uint64_t(f >> 1 & 1) << i;
        m.O |= std::uint64_t(f >> 2 & 1) << i;
        m.G |= std::uint64_t(f >> 3 & 1) << i;
        m.S |= std::uint64_t(f >> 4 & 1) << i;
        m.C |= std::uint64_t(f >> 5 & 1) << i;
        m.H |= std::uint64_t(f >> 6 & 1) << i;
        m.U |= std::uint64_t(f >> 7 & 1) << i;
        K |= std::uint64_t(yuqori8[i] & 1) << i;
    }
#endif
    return m;
}

// A 64-byte window of ASCII and two- and three-byte code points that all
// stand alone, classified where the bytes lie: each Character's flags sit on
// its first byte. Characters starting before `aralashOxiri` are the block;
// the ones after are there to be looked at, never converted.
inline constexpr unsigned aralashOxiri = 52;
struct Aralash {
    std::uint64_t b1 = 0, b2 = 0, b3 = 0;  // first bytes of one-, two- and three-byte Characters
    Maskalar m;
    std::uint64_t K = 0;  // Cyrillic letters
    std::uint64_t boshlar() const { return b1 | b2 | b3; }
    std::uint64_t blok() const { return boshlar() & ((std::uint64_t{1} << aralashOxiri) - 1); }
    // Where the Character after the block starts; a three-byte code point
    // at most lies between two starts, so there is one.
    unsigned keyingi() const { return unsigned(__builtin_ctzll(boshlar() >> aralashOxiri)) + aralashOxiri; }
    // Flags moved from a Character's first byte to its last, and back.
    std::uint64_t oxiriga(std::uint64_t x) const { return (x & b1) | ((x & b2) << 1) | ((x & b3) << 2); }
    std::uint64_t boshiga(std::uint64_t x) const { return (x & b1) | ((x >> 1) & b2) | ((x >> 2) & b3); }
    // At each Character, the flag of the one after it, or before it
    // (`oldin` for the first).
    std::uint64_t keyin(std::uint64_t x) const { return boshiga(x >> 1); }
    std::uint64_t oldin(std::uint64_t x, bool oldingi) const { return (oxiriga(x) << 1) | std::uint64_t(oldingi); }
};
// Reads the 64 bytes at p (which has more readable after it) into `a`;
// false when they are not such a window up to the Characters it needs.
// Without `toliq` only the letter masks are filled, which is all a count needs.
template <bool toliq = true>
inline bool aralashla(const unsigned char* p, const std::uint16_t* bj, Aralash& a) {
    std::uint64_t A = 0, T = 0, L2 = 0, L3 = 0;
#if defined(__SSE2__)
    for (int i = 0; i < 4; ++i) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 16 * i));
        auto bit = [](__m128i x) { return std::uint64_t(unsigned(_mm_movemask_epi8(x))); };
        auto uchi = [&](char maska, char qiymat) {
            return bit(_mm_cmpeq_epi8(_mm_and_si128(v, _mm_set1_epi8(maska)), _mm_set1_epi8(qiymat)));
        };
        const int s = 16 * i;
        A |= (~bit(v) & 0xFFFFu) << s;
        T |= uchi(char(0xC0), char(0x80)) << s;
        L2 |= uchi(char(0xE0), char(0xC0)) << s;
        L3 |= uchi(char(0xF0), char(0xE0)) << s;
    }
#else
    for (int i = 0; i < 8; ++i) {
        std::uint64_t w;
        std::memcpy(&w, p + 8 * i, 8);
        const int s = 8 * i;
        A |= yigish(~w & yuqori) << s;
        T |= yigish(w & yuqori & ~(w << 1)) << s;
        L2 |= yigish(w & (w << 1) & ~(w << 2) & yuqori) << s;
        L3 |= yigish(w & (w << 1) & (w << 2) & ~(w << 3) & yuqori) << s;
    }
#endif
    // Every byte leads or continues a code point of one to three bytes, and
    // each lead has just its continuation bytes (those cut off at the end
    // of the window are not looked at).
    if ((A | T | L2 | L3) != ~std::uint64_t{0} || T != (((L2 | L3) << 1) | (L3 << 2))) return false;
    a.b1 = A;
    a.b2 = L2;
    a.b3 = L3;
    // Bytes above 0x7F match none of the ASCII letters.
    if constexpr (toliq)
        a.m = maskala(p);
    else
        a.m.L = asciiHarflari(p);
    a.K = 0;
    // Code points up to the one after the block's second look-ahead
    // Character start before byte 62.
    for (std::uint64_t x = (L2 | L3) & ((std::uint64_t{1} << 62) - 1); x; x &= x - 1) {
        const unsigned i = unsigned(__builtin_ctzll(x));
        std::uint16_t f;
        if (L2 >> i & 1)
            f = p[i] < 0xC2 ? 0 : bj[(p[i] & 0x1Fu) << 6 | (p[i + 1] & 0x3Fu)];  // C0, C1: overlong
        else
            f = uchBaytliBayroq(p + i);
        // The masks of o g s c h come from ASCII bytes alone.
        if (!(f & bYakka) || (f & (bO | bG | bS | bC | bH))) return false;
        const std::uint64_t bit = std::uint64_t{1} << i;
        if (f & bHarf) a.m.L |= bit;
        if (f & bOkina) a.m.M |= bit;
        if (f & bKirill) a.K |= bit;
    }
    return true;
}

}  // namespace harfnur::ichki::yolak
