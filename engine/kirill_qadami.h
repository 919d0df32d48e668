// Uzbek Cyrillic, one letter at a time, with е and ц decided by the letter
// before and the case of a two-letter output by the letter after.
#pragma once

#include <array>

#include "engine/matn.h"

namespace harfnur::ichki {

// A base output in its three case forms.
struct KirillChiqishi {
    Parcha kichik;  // as in the table
    Parcha katta;   // full upper-case mapping
    Parcha bosh;    // first Character upper-cased, the rest as is
    bool yakkami;        // exactly one Character long
};

// Indexed by key (1..35 the `kirill` entries; kalitE, kalitTs) and, for е and
// ц, by which of their two outputs applies.
struct KirillChiqishlari {
    std::array<KirillChiqishi, kalitTs + 1> harf;
    KirillChiqishi e, ye, ts, s;
};
KirillChiqishlari kirillChiqishlariniQur();
inline const KirillChiqishlari& kirillChiqishlari() {
    static const KirillChiqishlari t = kirillChiqishlariniQur();
    return t;
}

inline constexpr int kalitQattiq = 26;  // ъ
inline constexpr int kalitYumshoq = 28;  // ь

template <class M>
[[gnu::always_inline]] inline QadamNatijasi kirillQadami(const M& m, std::ptrdiff_t i) {
    const Sinf c = m.sinf(i);
    const int k = kalit(c);
    if (k == 0) return std::nullopt;
    const auto& ch = kirillChiqishlari();
    const KirillChiqishi* b;
    if (k == kalitE) {
        const Sinf p = m.sinf(i - 1);
        const int pk = kalit(p);
        const bool undosh = (p & harfBit) && !(p & unliBit) && pk != kalitQattiq && pk != kalitYumshoq;
        b = undosh ? &ch.e : &ch.ye;
    } else if (k == kalitTs) {
        b = (m.sinf(i - 1) & unliBit) ? &ch.ts : &ch.s;
    } else {
        b = &ch.harf[std::size_t(k)];
    }
    if (c & kichikBit) return Qadam{b->kichik.sv(), 1};
    if (b->yakkami) return Qadam{b->katta.sv(), 1};
    const Sinf n = m.sinf(i + 1);
    if ((n & harfBit) && !(n & kichikBit)) return Qadam{b->katta.sv(), 1};
    return Qadam{b->bosh.sv(), 1};
}

}  // namespace harfnur::ichki
