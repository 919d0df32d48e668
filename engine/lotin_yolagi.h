// The old-Latin walk done 64 Characters at a time with bit masks, one bit
// per Character. A block of plain ASCII is classified straight from its
// bytes; any other block of one- to three-byte code points that each stand
// alone (ʻ ’ “ « ö, Cyrillic, and the like) is read a Character at a time
// first. The agreement test against the reference path holds it to the step.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "engine/lotin_qadami.h"
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

// What the rules need of the Characters before a block, and where the
// output stands.
struct LotinKontekst {
    bool harf1, okina1, og1, og2;
    bool yutilgan;          // the block's first Character was eaten by a rule before it
    Sinf oldingi2, oldingi;  // the two Characters before the block
    std::size_t yozildi;    // input written so far: the block's start, or past its first Character when eaten
    static LotinKontekst sinflardan(Sinf pp, Sinf p, bool yutilgan, std::size_t yozildi) {
        auto og = [](Sinf s) { return shakl(s) == Shakl::o || shakl(s) == Shakl::g; };
        return {(p & harfBit) != 0, (p & okinaBit) != 0, og(p), og(pp), yutilgan, pp, p, yozildi};
    }
};

// The nine Latin outputs in Parcha order (o O g G s S c C, then the
// separating sign) as two-byte pairs. Every one is two bytes in UTF-8, so an
// ASCII block's replacements of two Characters keep its length; `bor` is
// false if a table ever breaks that, and the lane then leaves all to the walk.
struct LotinJuftlari {
    char b[9][2] = {};
    bool bor = false;
};
inline const LotinJuftlari& lotinJuftlari() {
    static const LotinJuftlari j = [] {
        const LotinChiqishlari& ch = lotinChiqishlari();
        const Parcha* p[9] = {&ch.o, &ch.O, &ch.g, &ch.G, &ch.s, &ch.S, &ch.c, &ch.C, &ch.tutuq};
        LotinJuftlari r;
        r.bor = true;
        for (int i = 0; i < 9; ++i) {
            r.bor = r.bor && p[i]->n == 2;
            std::memcpy(r.b[i], p[i]->b, 2);
        }
        return r;
    }();
    return j;
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

// The Latin rules over a block: f1 o'/g', f2 sh/ch, f3 a separating sign,
// each bit where a replacement starts. `keyin` holds the flags of the two
// Characters after the block.
struct LotinQoidalar {
    std::uint64_t f1, f2, f3;
};
inline LotinQoidalar lotinQoidalari(const Maskalar& m, const LotinKontekst& kx, std::uint16_t keyin0,
                                    std::uint16_t keyin1) {
    auto bir = [](std::uint16_t f, std::uint16_t b) { return std::uint64_t((f & b) != 0); };
    const std::uint64_t OG = m.O | m.G;
    const std::uint64_t harfOldin = (m.L << 1) | kx.harf1;
    const std::uint64_t okinaOldin = (m.M << 1) | kx.okina1;
    const std::uint64_t ogOldin2 = (OG << 2) | (std::uint64_t(kx.og1) << 1) | kx.og2;
    const std::uint64_t harfKeyin = (m.L >> 1) | (bir(keyin0, bHarf) << 63);
    const std::uint64_t harfKeyin2 = (m.L >> 2) | (bir(keyin0, bHarf) << 62) | (bir(keyin1, bHarf) << 63);
    const std::uint64_t okinaKeyin = (m.M >> 1) | (bir(keyin0, bOkina) << 63);
    const std::uint64_t hKeyin = (m.H >> 1) | (bir(keyin0, bH) << 63);
    LotinQoidalar q;
    q.f1 = OG & okinaKeyin & (harfOldin | harfKeyin2);
    q.f2 = (m.S | m.C) & hKeyin;
    q.f3 = m.M & harfKeyin & (harfOldin | (okinaOldin & ogOldin2));
    q.f3 &= ~((q.f1 << 1) | std::uint64_t(kx.yutilgan));  // a mark eaten by o'/g' before it
    return q;
}
// Which of the nine pairs replaces at bit i; no branch on the letter.
inline unsigned juftTartibi(const Maskalar& m, std::uint64_t f3, unsigned i) {
    const unsigned turi = unsigned(m.G >> i & 1) + 2 * unsigned(m.S >> i & 1) + 3 * unsigned(m.C >> i & 1);
    return 2 * turi + unsigned(m.U >> i & 1) + 8 * unsigned(f3 >> i & 1);
}
// Copies n bytes in 16-byte moves; reads and writes up to 32 bytes past
// either start whatever n is, which the caller leaves room for.
inline void kochir(char* d, const unsigned char* s, std::size_t n) {
    std::memcpy(d, s, 16);
    std::memcpy(d + 16, s + 16, 16);
    for (std::size_t x = 32; x < n; x += 16) std::memcpy(d + x, s + x, 16);
}

// Converts from k on, block after block, while the text has the shape the
// lane reads. Everything before kx.yozildi must already be written to `y` (a
// Yozuvchi); on return the same holds, and kx describes the returned
// position. Letters at or after `sanash` are added to the counts. `durdi`
// is set to the first byte the lane could not read, or near the end.
template <class Yozuvchi>
std::size_t lotin(const unsigned char* b, std::size_t n, std::size_t k, std::size_t sanash, std::size_t& kir,
                  std::size_t& boshqa, LotinKontekst& kx, Yozuvchi& y, std::size_t& durdi) {
    const LotinJuftlari& juft = lotinJuftlari();
    durdi = n;
    if (!juft.bor) return k;
    const std::uint16_t* bj = lotinBayroqJadvali();
    const std::uint32_t* jadval = tezJadval();
    for (;;) {
        // Plain ASCII, with the two bytes after the block its own Characters:
        // copied whole, then the replacements stored over it, two bytes for
        // two, so only a separating sign (one byte for two) moves the rest.
        if (k + 67 <= n) {
            std::uint64_t w[8];
            std::memcpy(w, b + k, 64);
            const std::uint64_t hammasi = w[0] | w[1] | w[2] | w[3] | w[4] | w[5] | w[6] | w[7];
            if (!(hammasi & yuqori) && !((b[k + 64] | b[k + 65] | b[k + 66]) & 0x80)) {
                const Maskalar m = maskala(b + k);
                boshqa += std::size_t(sanaBitlar(sanash > k ? m.L >> (sanash - k) : m.L));
                const LotinQoidalar q = lotinQoidalari(m, kx, bj[b[k + 64]], bj[b[k + 65]]);
                // Byte i goes to o + i + d, d counting the separating signs
                // stored so far; a byte eaten by the block before is skipped.
                const unsigned yut = kx.yutilgan;
                char* o = y.joy(2 * 64 + 16) - yut;
                std::memcpy(o + yut, b + k + yut, 64);
                std::size_t d = 0;
                for (std::uint64_t f = q.f1 | q.f2 | q.f3; f; f &= f - 1) {
                    const unsigned i = unsigned(__builtin_ctzll(f));
                    std::memcpy(o + i + d, juft.b[juftTartibi(m, q.f3, i)], 2);
                    if (q.f3 >> i & 1) {
                        std::memcpy(o + i + d + 2, b + k + i + 1, 63 - i);
                        ++d;
                    }
                }
                const std::uint64_t OG = m.O | m.G;
                kx.harf1 = m.L >> 63;
                kx.okina1 = m.M >> 63;
                kx.og1 = OG >> 63;
                kx.og2 = (OG >> 62) & 1;
                kx.yutilgan = ((q.f1 | q.f2) >> 63) & 1;
                kx.oldingi2 = jadval[b[k + 62]] & ~yakkaBit;
                kx.oldingi = jadval[b[k + 63]] & ~yakkaBit;
                y.bitdi(o + 64 + d + kx.yutilgan);
                k += 64;
                kx.yozildi = k + kx.yutilgan;
                continue;
            }
        }

        // ASCII with code points of two and three bytes among it, such as
        // ʻ ‘ ’ in Latin text: the rules run over byte positions, a
        // Character's neighbours found through where each one starts.
        if (k + 128 <= n) {
            Aralash a;
            if (aralashla(b + k, bj, a)) {
                const unsigned nb = a.keyingi();
                if (k + nb >= sanash) {
                    const Maskalar& m = a.m;
                    const std::uint64_t R = a.blok();
                    const std::uint64_t yangi = sanash > k ? R & (~std::uint64_t{0} << (sanash - k)) : R;
                    boshqa += std::size_t(sanaBitlar(m.L & ~a.K & yangi));
                    kir += std::size_t(sanaBitlar(a.K & yangi));

                    const std::uint64_t OG = m.O | m.G;
                    const std::uint64_t PL = a.oldin(m.L, kx.harf1), PM = a.oldin(m.M, kx.okina1);
                    const std::uint64_t POG = a.oldin(OG, kx.og1), PPOG = a.oldin(POG, kx.og2);
                    const std::uint64_t NL = a.keyin(m.L);
                    LotinQoidalar q;
                    q.f1 = OG & a.keyin(m.M) & (PL | a.keyin(NL)) & R;
                    q.f2 = (m.S | m.C) & a.keyin(m.H) & R;
                    q.f3 = m.M & NL & (PL | (PM & PPOG)) & R;
                    q.f3 &= ~((q.f1 << 1) | std::uint64_t(kx.yutilgan));

                    const std::uint64_t boshlar = a.boshlar();
                    char* p = y.joy(2 * 64 + 64);
                    std::size_t dan = kx.yozildi - k;
                    for (std::uint64_t f = q.f1 | q.f2 | q.f3; f; f &= f - 1) {
                        const unsigned i = unsigned(__builtin_ctzll(f));
                        kochir(p, b + k + dan, i - dan);
                        p += i - dan;
                        std::memcpy(p, juft.b[juftTartibi(m, q.f3, i)], 2);
                        p += 2;
                        // o g s c are one byte, so what a pair eats starts at i + 1.
                        const unsigned yeyilgan = (q.f3 >> i & 1) ? i : i + 1;
                        dan = unsigned(__builtin_ctzll(boshlar & (~std::uint64_t{1} << yeyilgan)));
                    }
                    if (dan < nb) {
                        kochir(p, b + k + dan, nb - dan);
                        p += nb - dan;
                    }
                    y.bitdi(p);

                    const unsigned son = 63u - unsigned(__builtin_clzll(R));
                    const std::uint64_t oldR = R & ~(std::uint64_t{1} << son);
                    kx.oldingi2 = oldR ? kodSinfiDan(b + k + (63u - unsigned(__builtin_clzll(oldR))), jadval) : kx.oldingi;
                    kx.oldingi = kodSinfiDan(b + k + son, jadval);
                    kx.harf1 = (m.L >> son) & 1;
                    kx.okina1 = (m.M >> son) & 1;
                    kx.og1 = (OG >> son) & 1;
                    kx.og2 = (POG >> son) & 1;
                    kx.yutilgan = ((q.f1 | q.f2) >> son) & 1;
                    kx.yozildi = k + std::max<std::size_t>(dan, nb);
                    k += nb;
                    continue;
                }
            }
        }

        // Any other block: up to 67 code points, each of which must stand
        // alone, from the next 128 bytes. A Character is known once the code
        // point after it is read, and the block needs two known ones after
        // it. Code points are found from the bytes that start them, so no
        // read waits on the length of the one before.
        if (k + 192 > n) {
            durdi = n;
            return k;
        }
        std::uint32_t bosh[68];
        unsigned boshSoni = 0;
        for (unsigned yarim = 0; yarim < 2 && boshSoni < 68; ++yarim) {
            for (std::uint64_t z = kodBoshlari(b + k + 64 * yarim); z && boshSoni < 68; z &= z - 1)
                bosh[boshSoni++] = 64 * yarim + unsigned(__builtin_ctzll(z));
        }
        if (boshSoni == 0 || bosh[0] != 0) {  // a stray continuation byte at k
            durdi = k;
            return k;
        }
        alignas(16) std::uint8_t past[80] = {}, yuqori8[80] = {};  // low and high flag bytes
        unsigned soni = 0;
        for (; soni + 1 < boshSoni; ++soni) {
            const unsigned char* c = b + k + bosh[soni];
            const unsigned uz = bosh[soni + 1] - bosh[soni];
            std::uint16_t f;
            if (uz == 3) {
                f = uchBaytliBayroq(c);
            } else {
                const unsigned c0 = c[0];
                const unsigned indeks = uz == 1 ? c0 : ((c0 & 0x1Fu) << 6 | (c[1] & 0x3Fu));
                const bool togri = uz == 1 ? c0 < 0x80 : (uz == 2 && c0 - 0xC2u < 0x1Eu);
                f = togri ? bj[indeks] : 0;
            }
            if (!(f & bYakka)) break;
            past[soni] = std::uint8_t(f);
            yuqori8[soni] = std::uint8_t(f >> 8);
        }
        durdi = k + bosh[soni];
        if (soni < 4) return k;
        const unsigned blok = soni >= 67 ? 64 : soni - 3;
        std::uint64_t K = 0;
        const Maskalar m = bayroqMaskalari(past, yuqori8, K);
        const std::uint16_t keyin[2] = {std::uint16_t(past[64] | yuqori8[64] << 8),
                                        std::uint16_t(past[65] | yuqori8[65] << 8)};
        // The walk counts again from where the lane leaves it, so a block
        // must reach past what it has counted.
        if (k + bosh[blok] < sanash) return k;
        const std::uint64_t ichida = blok == 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << blok) - 1;

        unsigned eski = 0;  // Characters the walk has counted already
        while (eski < blok && k + bosh[eski] < sanash) ++eski;
        const std::uint64_t yangi = eski >= 64 ? 0 : ichida & (~std::uint64_t{0} << eski);
        boshqa += std::size_t(sanaBitlar(m.L & ~K & yangi));
        kir += std::size_t(sanaBitlar(K & yangi));

        LotinQoidalar q = lotinQoidalari(m, kx, keyin[0], keyin[1]);
        q.f1 &= ichida;
        q.f2 &= ichida;
        q.f3 &= ichida;
        const std::size_t bayt = bosh[blok];
        char* p = y.joy(2 * bayt + 64);
        std::size_t dan = kx.yozildi - k;
        for (std::uint64_t f = q.f1 | q.f2 | q.f3; f; f &= f - 1) {
            const unsigned i = unsigned(__builtin_ctzll(f));
            kochir(p, b + k + dan, bosh[i] - dan);
            p += bosh[i] - dan;
            std::memcpy(p, juft.b[juftTartibi(m, q.f3, i)], 2);
            p += 2;
            dan = bosh[i + 2 - unsigned(q.f3 >> i & 1)];
        }
        if (dan < bayt) {
            kochir(p, b + k + dan, bayt - dan);
            p += bayt - dan;
        }
        y.bitdi(p);

        const unsigned son = blok - 1;
        const std::uint64_t OG = m.O | m.G;
        kx.og2 = blok >= 2 ? (OG >> (blok - 2)) & 1 : kx.og1;
        kx.og1 = (OG >> son) & 1;
        kx.harf1 = (m.L >> son) & 1;
        kx.okina1 = (m.M >> son) & 1;
        kx.yutilgan = ((q.f1 | q.f2) >> son) & 1;
        kx.oldingi2 = blok >= 2 ? kodSinfiDan(b + k + bosh[blok - 2], jadval) : kx.oldingi;
        kx.oldingi = kodSinfiDan(b + k + bosh[son], jadval);
        kx.yozildi = k + dan;
        if (dan < bayt) kx.yozildi = k + bayt;
        k += bayt;
    }
}

}  // namespace harfnur::ichki::yolak
