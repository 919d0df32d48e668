// Fast lanes of the walk for the common shapes of text. Each one gives
// exactly what the step functions give Character by Character; the
// agreement test against the reference path holds them to it.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>
#include <cstring>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#include <vector>

#include "engine/bolgich.h"
#include "engine/kirill_qadami.h"
#include "engine/sinf.h"

namespace harfnur::ichki::yolak {

// ---- Bit tricks over eight bytes at a time ----

inline constexpr std::uint64_t birlar = 0x0101010101010101ull;
inline constexpr std::uint64_t yuqori = 0x8080808080808080ull;

// High bit set in the bytes of ASCII `w` equal to v.
inline std::uint64_t teng(std::uint64_t w, unsigned char v) {
    const std::uint64_t t = w ^ (birlar * v);
    return ~(((t & ~yuqori) + ~yuqori) | t) & yuqori;
}
// High bit set in the bytes of ASCII `w` within [past, yuqorisi].
inline std::uint64_t oraliqda(std::uint64_t w, unsigned char past, unsigned char yuqorisi) {
    const std::uint64_t kamida = w + birlar * (0x80u - past);
    const std::uint64_t oshdi = w + birlar * (0x7Fu - yuqorisi);
    return kamida & ~oshdi & yuqori;
}
// Set bits in plain arithmetic: the builtin is a library call on the
// baseline x86-64 the programs are built for.
inline int sanaBitlar(std::uint64_t x) {
    x = x - ((x >> 1) & 0x5555555555555555ull);
    x = (x & 0x3333333333333333ull) + ((x >> 2) & 0x3333333333333333ull);
    x = (x + (x >> 4)) & 0x0F0F0F0F0F0F0F0Full;
    return int((x * 0x0101010101010101ull) >> 56);
}

// One bit per byte, byte 0 in bit 0.
inline std::uint64_t yigish(std::uint64_t bayroqlar) { return ((bayroqlar >> 7) * 0x0102040810204080ull) >> 56; }

// ---- Cyrillic over one- and two-byte code points, one table look-up each ----

// For each code point below U+0800 that kirillSoz lets through, its
// output from the Cyrillic step. Where the neighbours matter (е, ц, a capital
// with a two-letter output) the output is one of eight, picked by what the
// step can see of them: whether the Character before makes е read "e", whether
// it is a Cyrillic vowel, and whether the one after is a capital letter.
struct KirillKodlar {
    struct Kod {
        Parcha chiqish;
        std::uint8_t variant = 0;  // 0: `chiqish` always; else an index into `variantlar`
    };
    std::vector<Kod> kodlar;
    std::vector<std::array<Parcha, 8>> variantlar;
};
const KirillKodlar& kirillKodlar();

inline unsigned kirillKaliti(Sinf oldingi, Sinf keyingi) {
    return ((oldingi & undoshBit) ? 1u : 0u) | ((oldingi & unliBit) ? 2u : 0u) |
           (((keyingi & (harfBit | kichikBit)) == harfBit) ? 4u : 0u);
}

// Eight bytes at a Character start made only of ASCII and two-byte Cyrillic
// letters (U+0400..U+04FF but the sign and marks U+0482..U+0489), all of
// which are Alphabetic and stand alone, where the code point after them
// stands alone too (`keyingi` and `keyingi2` are the bytes after the eight).
// Flags sit in the
// high bit of each byte.
struct KirillSoz {
    unsigned uzunlik = 0;      // 8, 7 when the eighth byte leads a code point, 0: not such bytes
    std::uint64_t boshlar = 0;  // first bytes of the code points counted
    std::uint64_t kirill = 0;   // first bytes of the Cyrillic letters among them
};
inline KirillSoz kirillSoz(std::uint64_t w, unsigned keyingi, unsigned keyingi2) {
    constexpr std::uint64_t H = 0x8080808080808080ull, B = 0x0101010101010101ull;
    // Written without branches on the data: whether the word holds seven or
    // eight bytes' worth changes from word to word and would not predict.
    const std::uint64_t ascii = ~w & H;
    const std::uint64_t bosh = teng(w & (B * 0xFC), 0xD0);  // D0..D3
    const std::uint64_t davom = w & H & ~(w << 1);          // 10xxxxxx
    const std::uint64_t yetti = bosh >> 63;  // the eighth byte leads the next code point
    const std::uint64_t ichida = ~std::uint64_t{0} >> (yetti * 8);
    // D2 82..D2 89 are U+0482..U+0489: a sign and combining marks.
    const std::uint64_t d2 = teng(w, 0xD2);
    const std::uint64_t t7 = (w ^ H) & ~H;
    const std::uint64_t belgi = (t7 + B * 0x7E) & ~(t7 + B * 0x76) & davom;
    // The code point after the counted ones must stand alone as well.
    const bool keyingiYakka = keyingi < 0x80 || keyingi == 0xD0 || keyingi == 0xD1 || keyingi == 0xD3 ||
                              (keyingi == 0xD2 && keyingi2 - 0x82u > 0x89u - 0x82u);
    const bool keyingiBelgi = keyingi - 0x82u <= 0x89u - 0x82u;
    const bool oxiriYaxshi = yetti ? !((d2 >> 63) && keyingiBelgi) : keyingiYakka;
    const bool yaxshi = (ascii | bosh | davom) == H                         // nothing else
                        && davom == ((bosh & ichida) << 8)                  // each lead has its continuation
                        && !(belgi & (d2 << 8)) && oxiriYaxshi;
    if (!yaxshi) return {};
    return {unsigned(8 - yetti), (ascii | bosh) & ichida, bosh & ichida};
}

#if defined(__SSE2__)
// kirillSoz for sixteen bytes at once; `p` has two more readable bytes. One
// bit per byte, byte 0 in bit 0; uzunlik 16, 15 when the last byte leads a
// code point, or 0.
struct KirillBlok {
    unsigned uzunlik = 0;
    unsigned boshlar = 0, kirill = 0, harflar = 0;
};
inline KirillBlok kirillBlok(const unsigned char* p) {
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    auto bit = [](__m128i x) { return unsigned(_mm_movemask_epi8(x)); };
    const unsigned ascii = ~bit(v) & 0xFFFFu;
    const unsigned bosh = bit(_mm_cmpeq_epi8(_mm_and_si128(v, _mm_set1_epi8(char(0xFC))), _mm_set1_epi8(char(0xD0))));
    const unsigned davom = bit(_mm_cmpeq_epi8(_mm_and_si128(v, _mm_set1_epi8(char(0xC0))), _mm_set1_epi8(char(0x80))));
    if ((ascii | bosh | davom) != 0xFFFFu || davom != ((bosh << 1) & 0xFFFFu)) return {};
    // D2 82..D2 89: a sign and combining marks.
    const __m128i x = _mm_xor_si128(v, _mm_set1_epi8(char(0x80)));
    const unsigned belgi = bit(_mm_and_si128(_mm_cmpgt_epi8(x, _mm_set1_epi8(1)), _mm_cmplt_epi8(x, _mm_set1_epi8(10))));
    const unsigned d2 = bit(_mm_cmpeq_epi8(v, _mm_set1_epi8(char(0xD2))));
    if (belgi & (d2 << 1)) return {};
    const unsigned yetti = bosh >> 15;
    const unsigned keyingi = p[16 - yetti], keyingi2 = p[17 - yetti];
    const bool yakka = keyingi < 0x80 || keyingi == 0xD0 || keyingi == 0xD1 || keyingi == 0xD3 ||
                       (keyingi == 0xD2 && keyingi2 - 0x82u > 0x89u - 0x82u);
    if (!yakka) return {};
    const __m128i kichik = _mm_or_si128(v, _mm_set1_epi8(0x20));
    const unsigned harf = bit(_mm_and_si128(_mm_cmpgt_epi8(kichik, _mm_set1_epi8('a' - 1)),
                                            _mm_cmplt_epi8(kichik, _mm_set1_epi8('z' + 1))));
    const unsigned ichida = 0xFFFFu >> yetti;
    return {16 - yetti, (ascii | bosh) & ichida, bosh & ichida, harf & ichida};
}
#endif

// Converts Cyrillic-step text eight bytes at a time from k on while
// kirillSoz accepts them. `oldingi` is the class of the Character before k;
// it and `oldingi2` (the one before that) are updated. Output goes through
// `y` (a Yozuvchi). Returns where it stopped; everything before is written.
// Letters at or after `sanash` are added to the counts.
template <class Yozuvchi>
std::size_t kirill(const unsigned char* b, std::size_t n, std::size_t k, std::size_t sanash,
                   std::size_t& kir, std::size_t& boshqa, const std::uint32_t* jadval, Sinf& oldingi,
                   Sinf& oldingi2, Yozuvchi& y) {
    const KirillKodlar& jadvallar = kirillKodlar();
    const KirillKodlar::Kod* t = jadvallar.kodlar.data();
    const std::array<Parcha, 8>* variantlar = jadvallar.variantlar.data();
    // Without a branch: spaces between words would mispredict one. Every
    // code point read here has a byte after it.
    auto kodi = [b](std::size_t x) -> unsigned {
        const unsigned c0 = b[x];
        const unsigned ikki = (c0 & 0x1Fu) << 6 | (b[x + 1] & 0x3Fu);
        return c0 ^ ((c0 ^ ikki) & (0u - (c0 >> 7)));
    };
    // Code points of the last two Characters written, or yoqKod before the
    // first, when the classes passed in still hold.
    constexpr unsigned yoqKod = ~0u;
    unsigned oldingiKod = yoqKod, oldingiKod2 = yoqKod;
    auto sinfi0 = [&](unsigned kod, Sinf yoqsa) { return kod == yoqKod ? yoqsa : jadval[kod] & ~yakkaBit; };
    while (k + 10 <= n) {
        // Up to four words at once: one loop exit to mispredict per 32 bytes.
        std::uint64_t boshlar = 0, kirillar = 0, harflar = 0;  // one bit per byte from k
        std::size_t uz = 0;
        for (int i = 0; i < 4 && k + uz + 10 <= n; ++i) {
#if defined(__SSE2__)
            if (k + uz + 18 <= n && uz + 16 <= 64) {
                const KirillBlok bl = kirillBlok(b + k + uz);
                if (bl.uzunlik) {
                    boshlar |= std::uint64_t(bl.boshlar) << uz;
                    kirillar |= std::uint64_t(bl.kirill) << uz;
                    harflar |= std::uint64_t(bl.harflar) << uz;
                    uz += bl.uzunlik;
                    continue;
                }
            }
#endif
            std::uint64_t w;
            std::memcpy(&w, b + k + uz, 8);
            const KirillSoz soz = kirillSoz(w, b[k + uz + 8], b[k + uz + 9]);
            if (soz.uzunlik == 0) break;
            boshlar |= yigish(soz.boshlar) << uz;
            kirillar |= yigish(soz.kirill) << uz;
            harflar |= yigish(oraliqda((w & ~(((w & yuqori) >> 7) * 0xFF)) | (birlar * 0x20), 'a', 'z')) << uz;
            uz += soz.uzunlik;
        }
        if (uz == 0) break;
        const std::uint64_t yangi = sanash > k ? ~std::uint64_t{0} << (sanash - k) : ~std::uint64_t{0};
        kir += std::size_t(sanaBitlar(kirillar & yangi));
        boshqa += std::size_t(sanaBitlar(harflar & yangi));

        // Neighbours' classes are looked up only for the few code points
        // whose output depends on them (е, ц, capitals with two letters).
        char* p = y.joy(uz * 8 + 8);
        for (std::uint64_t f = boshlar; f; f &= f - 1) {
            const unsigned kod = kodi(k + std::size_t(__builtin_ctzll(f)));
            const KirillKodlar::Kod& e = t[kod];
            const Parcha* c = &e.chiqish;
            if (e.variant) {
                const std::uint64_t qolgan = f & (f - 1);
                unsigned keyingiKod = 0;
                const Sinf keyingi = qolgan ? jadval[kodi(k + std::size_t(__builtin_ctzll(qolgan)))] & ~yakkaBit
                                     : qisqaKod(b, k + uz, n, keyingiKod) ? jadval[keyingiKod] & ~yakkaBit
                                                                          : xatoBaytSinfi;
                c = &variantlar[e.variant][kirillKaliti(sinfi0(oldingiKod, oldingi), keyingi)];
            }
            std::memcpy(p, c->b, 8);
            p += c->n;
            oldingiKod2 = oldingiKod;
            oldingiKod = kod;
        }
        y.bitdi(p);
        k += uz;
    }
    if (oldingiKod != yoqKod) {
        oldingi2 = sinfi0(oldingiKod2, oldingi);
        oldingi = sinfi0(oldingiKod, oldingi);
    }
    return k;
}

}  // namespace harfnur::ichki::yolak
