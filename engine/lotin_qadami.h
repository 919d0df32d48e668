// Old Latin orthography: o'/g' -> ö/ğ, sh/ch -> ş/ç, a separating sign
// between letters -> ʼ. Works on any buffer that answers sinf(position).
#pragma once


#include "engine/matn.h"

namespace harfnur::ichki {

struct LotinChiqishlari {
    Parcha o, O, g, G, s, S, c, C, tutuq;
};
LotinChiqishlari lotinChiqishlariniQur();
inline const LotinChiqishlari& lotinChiqishlari() {
    static const LotinChiqishlari t = lotinChiqishlariniQur();
    return t;
}

template <class M>
[[gnu::always_inline]] inline QadamNatijasi lotinQadami(const M& m, std::ptrdiff_t p) {
    const Sinf c = m.sinf(p);
    const Sinf n = m.sinf(p + 1);
    const auto& ch = lotinChiqishlari();
    const bool katta = !(c & kichikBit);
    switch (shakl(c)) {
        case Shakl::o:
        case Shakl::g:
            if ((n & okinaBit) && ((m.sinf(p - 1) & harfBit) || (m.sinf(p + 2) & harfBit))) {
                if (shakl(c) == Shakl::o) return Qadam{katta ? ch.O.sv() : ch.o.sv(), 2};
                return Qadam{katta ? ch.G.sv() : ch.g.sv(), 2};
            }
            return std::nullopt;
        case Shakl::s:
        case Shakl::c:
            if (shakl(n) == Shakl::h) {
                if (shakl(c) == Shakl::s) return Qadam{katta ? ch.S.sv() : ch.s.sv(), 2};
                return Qadam{katta ? ch.C.sv() : ch.c.sv(), 2};
            }
            return std::nullopt;
        default:
            break;
    }
    // A separating sign other than ʼ is exactly a member of okina.
    if (!(c & okinaBit) || !(n & harfBit)) return std::nullopt;
    const Sinf oldingi = m.sinf(p - 1);
    if (oldingi & harfBit) return Qadam{ch.tutuq.sv(), 1};
    if (oldingi & okinaBit) {
        const Shakl pp = shakl(m.sinf(p - 2));
        if (pp == Shakl::o || pp == Shakl::g) return Qadam{ch.tutuq.sv(), 1};
    }
    return std::nullopt;
}

}  // namespace harfnur::ichki
