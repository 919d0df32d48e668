#include "engine/ogir.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "engine/bolgich.h"
#include "engine/ichki.h"
#include "engine/kirill_qadami.h"
#include "engine/lotin_maskalari.h"
#include "engine/lotin_qadami.h"
#include "engine/lotin_yolagi.h"
#include "engine/unikod.h"
#include "engine/utf8.h"
#include "engine/yolaklar.h"

namespace harfnur {
namespace ichki {
namespace {

// Five Characters around the current one, at -2..2; absent ones are zero.
struct Oyna {
    Sinf s[5];
    Sinf sinf(std::ptrdiff_t d) const { return s[d + 2]; }
};

// Output written through a raw pointer into a string sized ahead. Short
// pieces are copied as one fixed 8-byte move (with 16 bytes of slack kept),
// which beats a call and a length-dependent branch.
class Yozuvchi {
public:
    // Appends to what `s` already holds.
    explicit Yozuvchi(std::string& s, std::size_t taxmin) : s_(s) {
        const std::size_t bor = s_.size();
        s_.resize(bor + taxmin + 64);
        p_ = s_.data() + bor;
        oxir_ = s_.data() + s_.size() - 16;
    }
    // `d` must have 8 readable bytes when k <= 8 and `oqiladi` is true.
    void yoz(const char* d, std::size_t k, bool oqiladi) {
        if (std::size_t(oxir_ - p_) < k) osir(k);
        if (k <= 8 && oqiladi) {
            std::memcpy(p_, d, 8);
        } else if (k >= 8 && k <= 16) {  // two overlapping moves
            std::memcpy(p_, d, 8);
            std::memcpy(p_ + k - 8, d + k - 8, 8);
        } else {
            std::memcpy(p_, d, k);
        }
        p_ += k;
    }
    // Room for k bytes (plus 16 of slack) at the returned pointer; hand the
    // pointer past what was written back to bitdi.
    char* joy(std::size_t k) {
        if (std::size_t(oxir_ - p_) < k) osir(k);
        return p_;
    }
    void bitdi(char* p) { p_ = p; }
    void tugat() { s_.resize(std::size_t(p_ - s_.data())); }

private:
    void osir(std::size_t k) {
        const std::size_t yozildi = std::size_t(p_ - s_.data());
        s_.resize(std::max(s_.size() * 2, yozildi + k + 64));
        p_ = s_.data() + yozildi;
        oxir_ = s_.data() + s_.size() - 16;
    }
    std::string& s_;
    char* p_;
    char* oxir_;
};

// Streams the text through a five-Character window so memory stays flat.
// `bosh` is the class bit that tells where the step may have a rule.
// The hot state lives in locals whose address is never taken, so writes
// through char pointers cannot force it back to memory.
template <bool lotinmi, class Qadami>
void yur(std::string_view t, Yozuvchi& y, Sinf bosh, Qadami qadami, Sanoq& sanoq) {
    // Every Character is counted once, when it is read into the window or
    // passed over by a lane, so the script choice can be checked afterwards.
    std::size_t kir = 0, boshqa = 0;
    auto sana = [&kir, &boshqa](Sinf x) {
        kir += (x & (harfBit | kirillBit)) == (harfBit | kirillBit);
        boshqa += (x & (harfBit | kirillBit)) == harfBit;
    };
    const auto* b = reinterpret_cast<const unsigned char*>(t.data());
    const std::size_t n = t.size();
    std::size_t nusxa = 0;  // start of the bytes not yet written
    auto nusxala = [&](std::size_t gacha) {
        y.yoz(t.data() + nusxa, gacha - nusxa, nusxa + 8 <= n);
        nusxa = gacha;
    };
    // Replacements come from Parcha buffers, with 8 readable bytes.
    auto almashtir = [&](std::string_view a) { y.yoz(a.data(), a.size(), true); };

    Bolgich bol(t);
    const std::uint32_t* jadval = bol.jadval();
    Sinf s0 = 0, s1 = 0, s2 = 0, s3 = 0, s4 = 0;
    // Starts of the current Character, the next and the one after; the end
    // of the text stands for an absent one.
    std::size_t boshC = 0, boshN = n, boshNN = n;
    int oldinda = 0;  // present Characters among positions 0..2
    std::size_t j = 0;  // where the next Character to read starts
    bool tez = true;    // no ICU-cut Characters waiting in the Bolgich
    // (Re)fills C, N and NN from position k on.
    auto toldir = [&](std::size_t k) {
        bol.orniniQoy(k);
        Sinf x = 0;
        oldinda = 0;
        boshC = k;
        s2 = s3 = s4 = 0;
        boshN = boshNN = n;
        if (bol.keyingi(x)) ++oldinda, s2 = x, sana(x);
        boshN = bol.orni();
        if (oldinda == 1 && bol.keyingi(x)) ++oldinda, s3 = x, sana(x);
        boshNN = bol.orni();
        if (oldinda == 2 && bol.keyingi(x)) ++oldinda, s4 = x, sana(x);
        j = bol.orni();
        tez = bol.navbatBoshmi();
    };
    toldir(0);
    int otkaz = 0;  // positions already consumed by a replacement
    std::size_t lotinKeyin = 0;  // where the Latin lane may next find a block

    while (oldinda > 0) {
        if (oldinda == 3 && tez) {
            std::size_t k = boshC;
            if constexpr (lotinmi) {
                if (boshC >= lotinKeyin) {
                    // A Character eaten by the last rule is already written.
                    if (!otkaz) nusxala(boshC);
                    auto kx = yolak::LotinKontekst::sinflardan(s0, s1, otkaz != 0, nusxa);
                    std::size_t durdi = n;
                    k = yolak::lotin(b, n, boshC, j, kir, boshqa, kx, y, durdi);
                    if (k != boshC) {
                        s0 = kx.oldingi2;
                        s1 = kx.oldingi;
                        otkaz = kx.yutilgan;
                        nusxa = kx.yozildi;
                    }
                    // Not again until past what stopped it.
                    lotinKeyin = durdi + 1;
                }
            } else {
                nusxala(boshC);
                k = yolak::kirill(b, n, boshC, j, kir, boshqa, jadval, s1, s0, y);
                nusxa = k;
            }
            if (k != boshC) {
                if (k >= n) break;
                toldir(k);
                continue;
            }
        }
        if (otkaz) {
            --otkaz;
        } else if (s2 & bosh) {
            const Oyna o{{s0, s1, s2, s3, s4}};
            if (const QadamNatijasi q = qadami(o, 0)) {
                nusxala(boshC);
                almashtir(q->almashtirish);
                nusxa = q->yutildi == 1 ? boshN : boshNN;
                otkaz = q->yutildi - 1;
            }
        }
        Sinf yangi = 0;
        const std::size_t yangiBosh = j;
        if (oldinda == 3) {
            std::uint64_t r = 0;
            if (tez && j < n) r = tezBelgi(b + j, n - j, jadval);
            if (r) {
                yangi = Sinf(r);
                sana(yangi);
                j += r >> 32;
            } else {
                bol.orniniQoy(j);
                Sinf x = 0;
                if (bol.keyingi(x))
                    yangi = x, sana(x);
                else
                    --oldinda;
                j = bol.orni();
                tez = bol.navbatBoshmi();
            }
        } else {
            --oldinda;
        }
        s0 = s1;
        s1 = s2;
        s2 = s3;
        s3 = s4;
        s4 = yangi;
        boshC = boshN;
        boshN = boshNN;
        boshNN = yangiBosh;
    }
    nusxala(n);
    sanoq.kirill = kir;
    sanoq.boshqa = boshqa;
}

// Letters a..z and A..Z among eight ASCII bytes.
inline int asciiHarflar(std::uint64_t w) {
    const std::uint64_t x = w | 0x2020202020202020ull;
    const std::uint64_t kamida = x + 0x1F1F1F1F1F1F1F1Full;  // high bit: x >= 'a'
    const std::uint64_t oshdi = x + 0x0505050505050505ull;   // high bit: x > 'z'
    const std::uint64_t m = (kamida & ~oshdi & 0x8080808080808080ull) >> 7;
    return int((m * 0x0101010101010101ull) >> 56);
}

// Counts the letters of eight bytes checked by yolak::kirillSoz.
inline unsigned sakkizBayt(std::uint64_t w, unsigned keyingi, unsigned keyingi2, Sanoq& s) {
    if (!(w & 0x8080808080808080ull)) {
        if (keyingi >= 0x80) return 0;
        s.boshqa += std::size_t(asciiHarflar(w));
        return 8;
    }
    const yolak::KirillSoz k = yolak::kirillSoz(w, keyingi, keyingi2);
    if (k.uzunlik == 0) return 0;
    constexpr std::uint64_t B = 0x0101010101010101ull;
    s.kirill += std::size_t(((k.kirill >> 7) * B) >> 56);
    s.boshqa += std::size_t(asciiHarflar(w & ~(((w & 0x8080808080808080ull) >> 7) * 0xFF)));
    return k.uzunlik;
}

#if defined(__SSE2__)
// 16 x N bytes at once, under the same terms as sakkizBayt: ASCII and
// two-byte letters of the Cyrillic block, the code point after them standing
// alone too. `p` has two more readable bytes. Returns the bytes counted (all,
// or one fewer when the last one leads a code point), 0 when the terms fail.
template <int N>
inline unsigned kirillBloklari(const unsigned char* p, Sanoq& s) {
    static_assert(N >= 1 && N <= 4);
    constexpr unsigned B = 16 * N;
    constexpr std::uint64_t hammasi = B == 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << B) - 1;
    std::uint64_t ascii = 0, bosh = 0, davom = 0, belgi = 0, d2 = 0, harf = 0;
    for (int i = 0; i < N; ++i) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 16 * i));
        auto bit = [i](__m128i x) { return std::uint64_t(unsigned(_mm_movemask_epi8(x))) << (16 * i); };
        const __m128i kichik = _mm_or_si128(v, _mm_set1_epi8(0x20));
        // D2 82..D2 89 are a sign and combining marks, no letters.
        const __m128i x = _mm_xor_si128(v, _mm_set1_epi8(char(0x80)));
        ascii |= ~bit(v) & (std::uint64_t{0xFFFF} << (16 * i));
        bosh |= bit(_mm_cmpeq_epi8(_mm_and_si128(v, _mm_set1_epi8(char(0xFC))), _mm_set1_epi8(char(0xD0))));
        davom |= bit(_mm_cmpeq_epi8(_mm_and_si128(v, _mm_set1_epi8(char(0xC0))), _mm_set1_epi8(char(0x80))));
        belgi |= bit(_mm_and_si128(_mm_cmpgt_epi8(x, _mm_set1_epi8(1)), _mm_cmplt_epi8(x, _mm_set1_epi8(10))));
        d2 |= bit(_mm_cmpeq_epi8(v, _mm_set1_epi8(char(0xD2))));
        harf |= bit(_mm_and_si128(_mm_cmpgt_epi8(kichik, _mm_set1_epi8('a' - 1)),
                                  _mm_cmplt_epi8(kichik, _mm_set1_epi8('z' + 1))));
    }
    if (ascii == hammasi) {
        if (p[B] >= 0x80) return 0;
        s.boshqa += std::size_t(yolak::sanaBitlar(harf));
        return B;
    }
    if ((ascii | bosh | davom) != hammasi) return 0;
    const unsigned yetti = unsigned(bosh >> (B - 1));  // the last byte leads the next code point
    const std::uint64_t ichida = hammasi >> yetti;
    if (davom != ((bosh << 1) & hammasi)) return 0;
    if (belgi & (d2 << 1)) return 0;
    const unsigned keyingi = p[B - yetti], keyingi2 = p[B + 1 - yetti];
    const bool yakka = keyingi < 0x80 || keyingi == 0xD0 || keyingi == 0xD1 || keyingi == 0xD3 ||
                       (keyingi == 0xD2 && keyingi2 - 0x82u > 0x89u - 0x82u);
    if (!yakka) return 0;
    s.kirill += std::size_t(yolak::sanaBitlar(bosh & ichida));
    s.boshqa += std::size_t(yolak::sanaBitlar(harf & ichida));
    return B - yetti;
}
#endif

}  // namespace

Sanoq harflarniSana(std::string_view t) {
    Sanoq s;
    Bolgich bol(t);
    const std::uint32_t* jadval = bol.jadval();
    const std::uint16_t* bayroqlar = yolak::lotinBayroqJadvali();
    const auto* b = reinterpret_cast<const unsigned char*>(t.data());
    const std::size_t n = t.size();
    auto sana = [&s](Sinf sinf) {
        s.kirill += (sinf & (harfBit | kirillBit)) == (harfBit | kirillBit);
        s.boshqa += (sinf & (harfBit | kirillBit)) == harfBit;
    };
    for (;;) {
        if (bol.navbatBoshmi()) {
            // A run of lone-standing one- and two-byte code points: each is a
            // Character once the code point after it is known to stand alone too.
            std::size_t j = bol.orni();
            bool kutadi = false;  // `kut` waits for its successor
            Sinf kut = 0;
            std::size_t kutBosh = 0;
            for (;;) {
#if defined(__SSE2__)
                if (j + 66 <= n) {
                    if (const unsigned qadam = kirillBloklari<4>(b + j, s)) {
                        if (kutadi) sana(kut), kutadi = false;
                        j += qadam;
                        continue;
                    }
                }
                if (j + 18 <= n) {
                    if (const unsigned qadam = kirillBloklari<1>(b + j, s)) {
                        if (kutadi) sana(kut), kutadi = false;
                        j += qadam;
                        continue;
                    }
                }
#endif
                // Latin with ʻ ‘ ’ and the like among the ASCII.
                if (j + 128 <= n) {
                    yolak::Aralash a;
                    if (yolak::aralashla<false>(b + j, bayroqlar, a)) {
                        if (kutadi) sana(kut), kutadi = false;
                        const std::uint64_t R = a.blok();
                        s.boshqa += std::size_t(yolak::sanaBitlar(a.m.L & ~a.K & R));
                        s.kirill += std::size_t(yolak::sanaBitlar(a.K & R));
                        j += a.keyingi();
                        continue;
                    }
                }
                if (j + 10 <= n) {
                    std::uint64_t w;
                    std::memcpy(&w, b + j, 8);
                    if (const unsigned qadam = sakkizBayt(w, b[j + 8], b[j + 9], s)) {
                        if (kutadi) sana(kut), kutadi = false;
                        j += qadam;
                        continue;
                    }
                }
                if (j >= n) break;
                unsigned kod;
                const unsigned uz = qisqaKod(b, j, n, kod);
                if (uz == 0 || !(jadval[kod] & yakkaBit)) break;
                if (kutadi) sana(kut);
                kut = jadval[kod] & ~yakkaBit;
                kutadi = true;
                kutBosh = j;
                j += uz;
            }
            if (kutadi && j < n) {
                j = kutBosh;  // the slow path decides how far it reaches
            } else if (kutadi) {
                sana(kut);
            }
            bol.orniniQoy(j);
        }
        Sinf sinf;
        if (!bol.keyingi(sinf)) break;
        sana(sinf);
    }
    return s;
}

std::string ogirToliq(std::string_view t) {
    const Matn m = toliqMatn(t);
    std::string r;
    if (m.soni() == 0) return r;
    Sanoq s;
    for (const Belgi& b : m.belgilar) {
        if (!(b.sinf & harfBit)) continue;
        if (b.sinf & kirillBit)
            ++s.kirill;
        else
            ++s.boshqa;
    }
    const bool kirillmi = s.kirillmi();
    for (std::ptrdiff_t p = 0; p < m.soni();) {
        const QadamNatijasi q = kirillmi ? kirillQadami(m, p) : lotinQadami(m, p);
        if (q) {
            r += q->almashtirish;
            p += q->yutildi;
        } else {
            const Belgi& b = m.belgilar[std::size_t(p)];
            r.append(t.substr(b.boshi, b.oxiri - b.boshi));
            ++p;
        }
    }
    return r;
}

}  // namespace ichki

namespace {
// Appends `t` converted with the given step to `r`; returns the letter count
// the walk made on the way.
ichki::Sanoq qadamBilan(std::string_view t, bool kirillmi, std::string& r) {
    ichki::Sanoq s;
    ichki::Yozuvchi y(r, t.size() + t.size() / 16);
    if (kirillmi)
        ichki::yur<false>(
            t, y, ichki::kirillBoshBit,
            [](const auto& m, std::ptrdiff_t p) { return ichki::kirillQadami(m, p); }, s);
    else
        ichki::yur<true>(
            t, y, ichki::lotinBoshBit,
            [](const auto& m, std::ptrdiff_t p) { return ichki::lotinQadami(m, p); }, s);
    y.tugat();
    return s;
}
}  // namespace

std::string ogir(std::string_view t) {
    std::string r;
    if (t.empty()) return r;
    // One pass converts and counts. The step is guessed from the start of the
    // text and the walk is redone with the other one if the whole count
    // disagrees, which only mixed texts near a tie ever do.
    const bool taxmin = ichki::harflarniSana(t.substr(0, std::min<std::size_t>(t.size(), 4096))).kirillmi();
    if (qadamBilan(t, taxmin, r).kirillmi() != taxmin) {
        r.clear();
        qadamBilan(t, !taxmin, r);
    }
    return r;
}

HarfSanogi harflarniSana(std::string_view matn) { return ichki::harflarniSana(matn); }

HarfSanogi qadamBilanOgir(std::string_view qism, bool kirillmi, std::string& chiqish) {
    return qism.empty() ? HarfSanogi{} : qadamBilan(qism, kirillmi, chiqish);
}

std::size_t belgiSoni(std::string_view t) {
    ichki::Bolgich bol(t);
    ichki::Sinf s;
    std::size_t n = 0;
    while (bol.keyingi(s)) ++n;
    return n;
}

namespace {
bool togrimi(std::string_view t) {
    for (std::size_t i = 0; i < t.size();) {
        const auto s = utf8::ochish(t, i);
        if (s.uzunlik == 0) return false;
        i += s.uzunlik;
    }
    return true;
}
}  // namespace

// Invalid bytes have no canonical form: such texts are equal only byte for byte.
bool tengmi(std::string_view a, std::string_view b) {
    if (a == b) return true;
    return togrimi(a) && togrimi(b) && unikod::tengmi(a, b);
}

}  // namespace harfnur
