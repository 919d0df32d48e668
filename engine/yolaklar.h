// Fast lanes of the walk for the common shapes of text. Each one gives
// exactly what the step functions give Character by Character; the
// agreement test against the reference path holds them to it.
#pragma once

#include <cstdint>
#include <cstring>
#include <vector>

#include "engine/bolgich.h"
#include "engine/kirill_qadami.h"
#include "engine/lotin_qadami.h"
#include "engine/sinf.h"

namespace harfnur::ichki::yolak {

// ---- Old Latin over ASCII, 64 bytes at a time, with bit masks ----

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
// One bit per byte, byte 0 in bit 0.
inline std::uint64_t yigish(std::uint64_t bayroqlar) { return ((bayroqlar >> 7) * 0x0102040810204080ull) >> 56; }

// What the Latin rules need to know of the two Characters before a block
// and whether its first Character was consumed by a rule before it.
struct LotinKontekst {
    bool harf1, okina1, og1, og2, yutilgan;
    static LotinKontekst sinflardan(Sinf pp, Sinf p, bool yutilgan) {
        auto og = [](Sinf s) { return shakl(s) == Shakl::o || shakl(s) == Shakl::g; };
        return {(p & harfBit) != 0, (p & okinaBit) != 0, og(p), og(pp), yutilgan};
    }
};

// Converts 64-byte blocks of old-Latin ASCII from k on while the bytes up to
// k + 67 are ASCII (so the two bytes after a block are Characters of their
// own). Calls `nusxala(pos)` to copy pending input up to pos and
// `almashtir(text, pos_after)` for each replacement. Returns where it stopped.
template <class Nusxala, class Almashtir>
std::size_t lotinAscii(const unsigned char* b, std::size_t n, std::size_t k, LotinKontekst& kx,
                       Nusxala nusxala, Almashtir almashtir) {
    const LotinChiqishlari& ch = lotinChiqishlari();
    while (k + 67 <= n) {
        std::uint64_t w[8];
        std::memcpy(w, b + k, 64);
        std::uint64_t hammasi = w[0] | w[1] | w[2] | w[3] | w[4] | w[5] | w[6] | w[7];
        if ((hammasi & yuqori) || ((b[k + 64] | b[k + 65] | b[k + 66]) & 0x80)) break;
        std::uint64_t L = 0, M = 0, O = 0, G = 0, S = 0, C = 0, H = 0, U = 0;
        for (int i = 0; i < 8; ++i) {
            const std::uint64_t x = w[i] | (birlar * 0x20);  // folds A-Z onto a-z
            const int s = 8 * i;
            L |= yigish(oraliqda(x, 'a', 'z')) << s;
            U |= yigish(oraliqda(w[i], 'A', 'Z')) << s;
            M |= yigish(teng(w[i], '\'') | teng(w[i], '`')) << s;
            O |= yigish(teng(x, 'o')) << s;
            G |= yigish(teng(x, 'g')) << s;
            S |= yigish(teng(x, 's')) << s;
            C |= yigish(teng(x, 'c')) << s;
            H |= yigish(teng(x, 'h')) << s;
        }
        auto harfmi = [](unsigned c) { return std::uint64_t(((c | 0x20) - 'a') < 26u); };
        const unsigned c64 = b[k + 64], c65 = b[k + 65];
        const std::uint64_t OG = O | G;
        const std::uint64_t harfOldin = (L << 1) | kx.harf1;
        const std::uint64_t okinaOldin = (M << 1) | kx.okina1;
        const std::uint64_t ogOldin2 = (OG << 2) | (std::uint64_t(kx.og1) << 1) | kx.og2;
        const std::uint64_t harfKeyin = (L >> 1) | (harfmi(c64) << 63);
        const std::uint64_t harfKeyin2 = (L >> 2) | (harfmi(c64) << 62) | (harfmi(c65) << 63);
        const std::uint64_t okinaKeyin = (M >> 1) | (std::uint64_t(c64 == '\'' || c64 == '`') << 63);
        const std::uint64_t hKeyin = (H >> 1) | (std::uint64_t((c64 | 0x20) == 'h') << 63);

        const std::uint64_t f1 = OG & okinaKeyin & (harfOldin | harfKeyin2);  // o' g'
        const std::uint64_t f2 = (S | C) & hKeyin;                            // sh ch
        std::uint64_t f3 = M & harfKeyin & (harfOldin | (okinaOldin & ogOldin2));
        f3 &= ~((f1 << 1) | std::uint64_t(kx.yutilgan));  // a mark eaten by o'/g' before it

        for (std::uint64_t f = f1 | f2 | f3; f; f &= f - 1) {
            const int i = __builtin_ctzll(f);
            const std::uint64_t bit = std::uint64_t{1} << i;
            const std::size_t pos = k + std::size_t(i);
            nusxala(pos);
            if (f3 & bit) {
                almashtir(ch.tutuq, pos + 1);
                continue;
            }
            const bool katta = (U & bit) != 0;
            const Parcha& p = (O & bit)   ? (katta ? ch.O : ch.o)
                              : (G & bit) ? (katta ? ch.G : ch.g)
                              : (S & bit) ? (katta ? ch.S : ch.s)
                                          : (katta ? ch.C : ch.c);
            almashtir(p, pos + 2);
        }
        kx = {(L >> 63) != 0, (M >> 63) != 0, (OG >> 63) != 0, ((OG >> 62) & 1) != 0,
              (((f1 | f2) >> 63) & 1) != 0};
        k += 64;
    }
    return k;
}

// ---- Cyrillic over one- and two-byte code points, one table look-up each ----

// For a code point below U+0800 standing as a Character of its own: its
// output when no neighbour can change it (a lower-case letter, a sign, an
// untouched Character), else a note that the step must see its neighbours.
struct KirillKod {
    Parcha chiqish;
    enum Tur : std::uint8_t { tayyor, kontekst, sekin } tur = sekin;
};
const std::vector<KirillKod>& kirillKodlar();

// Converts Cyrillic-step text from k on while every code point is one or two
// bytes long and stands alone. `oldingi`/`oldingi2` are the classes of the
// Characters before k and are updated. `yoz` writes a piece of output.
// Returns where it stopped; everything before it has been written.
template <class Yoz>
std::size_t kirill(const unsigned char* b, std::size_t n, std::size_t k, const std::uint32_t* jadval,
                   Sinf& oldingi, Sinf& oldingi2, Yoz yoz) {
    const KirillKod* t = kirillKodlar().data();
    auto ochish = [b, n](std::size_t x, unsigned& kod) { return qisqaKod(b, x, n, kod); };
    if (k >= n) return k;
    unsigned kod;
    unsigned uz = ochish(k, kod);
    while (uz != 0 && t[kod].tur != KirillKod::sekin) {
        const std::size_t keyin = k + uz;
        unsigned kod2 = 0, uz2 = 0;
        Sinf keyingi = 0;
        if (keyin < n) {
            uz2 = ochish(keyin, kod2);
            if (uz2 == 0 || t[kod2].tur == KirillKod::sekin || (kod == '\r' && kod2 == '\n')) break;
            keyingi = jadval[kod2] & ~yakkaBit;
        }
        const Sinf joriy = jadval[kod] & ~yakkaBit;
        if (t[kod].tur == KirillKod::tayyor) {
            yoz(t[kod].chiqish.sv());
        } else {
            struct {
                Sinf s[3];
                Sinf sinf(std::ptrdiff_t d) const { return s[d + 1]; }
            } const oyna{{oldingi, joriy, keyingi}};
            yoz(kirillQadami(oyna, 0)->almashtirish);
        }
        oldingi2 = oldingi;
        oldingi = joriy;
        k = keyin;
        kod = kod2;
        uz = uz2;
    }
    return k;
}

}  // namespace harfnur::ichki::yolak
