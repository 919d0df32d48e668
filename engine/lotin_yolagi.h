// The old-Latin walk done a block at a time, for the shapes text mostly has:
// plain ASCII, 64 bytes copied whole and the replacements stored over them;
// ASCII with ʻ ‘ ’ and the like, the rules run over byte positions; any other
// code points of up to three bytes that stand alone, read one by one into the
// same masks. The agreement test against the reference path holds it to the
// step.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "engine/lotin_maskalari.h"
#include "engine/lotin_qadami.h"
#include "engine/sinf.h"
#include "engine/yolaklar.h"

namespace harfnur::ichki::yolak {

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
    // The flags for the next block, read at `son`, the bit of the block's last
    // Character; `ogOldin` has at each Character whether the one before it
    // is o or g, `yeydi` where a pair starts.
    void oxiridan(const Maskalar& m, std::uint64_t ogOldin, std::uint64_t yeydi, unsigned son) {
        harf1 = (m.L >> son) & 1;
        okina1 = (m.M >> son) & 1;
        og1 = ((m.O | m.G) >> son) & 1;
        og2 = (ogOldin >> son) & 1;
        yutilgan = (yeydi >> son) & 1;
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
                kx.oxiridan(m, (m.O | m.G) << 1, q.f1 | q.f2, 63);
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
                    kx.oxiridan(m, POG, q.f1 | q.f2, son);
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
        kx.oxiridan(m, ((m.O | m.G) << 1) | kx.og1, q.f1 | q.f2, son);
        kx.oldingi2 = blok >= 2 ? kodSinfiDan(b + k + bosh[blok - 2], jadval) : kx.oldingi;
        kx.oldingi = kodSinfiDan(b + k + bosh[son], jadval);
        kx.yozildi = k + dan;
        if (dan < bayt) kx.yozildi = k + bayt;
        k += bayt;
    }
}

}  // namespace harfnur::ichki::yolak
