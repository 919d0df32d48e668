// Splits UTF-8 into Characters one at a time. ASCII and two-byte code points
// that never join a neighbour are cut inline from a table; a stretch where a
// cluster may span several code points goes to ICU's break iterator, from
// one certain boundary to the next. An invalid byte is a Character alone.
#pragma once

#include <string_view>
#include <vector>

#include "engine/matn.h"

namespace harfnur::ichki {

// The Character at s[0] when it is one or two bytes long and certainly ends
// there (the next code point can never join it): its length in the high half,
// its class in the low half. 0 when the slow path must decide.
// `qoldi` is the number of bytes from s[0] to the end of the text (>= 1).
inline std::uint64_t tezBelgi(const unsigned char* s, std::size_t qoldi, const std::uint32_t* jadval) {
    auto ikkiBaytliYakka = [jadval](const unsigned char* x, std::size_t q) -> std::uint32_t {
        if (x[0] < 0xC2 || x[0] >= 0xE0 || q < 2 || (x[1] & 0xC0) != 0x80) return 0;
        const std::uint32_t v = jadval[(x[0] & 0x1F) << 6 | (x[1] & 0x3F)];
        return (v & yakkaBit) ? v : 0;
    };
    const unsigned c0 = s[0];
    if (c0 < 0x80) {
        if (qoldi == 1 || (s[1] < 0x80 && (c0 != '\r' || s[1] != '\n')) || ikkiBaytliYakka(s + 1, qoldi - 1))
            return std::uint64_t{1} << 32 | (jadval[c0] & ~yakkaBit);
        return 0;
    }
    const std::uint32_t v = ikkiBaytliYakka(s, qoldi);
    if (v && (qoldi == 2 || s[2] < 0x80 || ikkiBaytliYakka(s + 2, qoldi - 2)))
        return std::uint64_t{2} << 32 | (v & ~yakkaBit);
    return 0;
}

// Decodes a one- or two-byte code point at b[x] without branching on which
// it is; returns its length, or 0 when it is neither (x < n required).
inline unsigned qisqaKod(const unsigned char* b, std::size_t x, std::size_t n, unsigned& kod) {
    const unsigned c0 = b[x];
    const unsigned c1 = x + 1 < n ? b[x + 1] : 0;
    const bool ascii = c0 < 0x80;
    const bool ikki = (c0 - 0xC2u < 0x1Eu) & ((c1 & 0xC0u) == 0x80u);
    kod = ascii ? c0 : ((c0 & 0x1Fu) << 6 | (c1 & 0x3Fu));
    return ascii ? 1u : (ikki ? 2u : 0u);
}

class Bolgich {
public:
    explicit Bolgich(std::string_view t);

    // Where the next Character starts (the end of the one read last).
    std::size_t orni() const { return i_; }

    // Reads the next Character's class; false at the end of the text.
    bool keyingi(Sinf& sinf) {
        if (navbatI_ < navbat_.size()) {
            sinf = navbat_[navbatI_].sinf;
            i_ = navbat_[navbatI_].oxiri;
            ++navbatI_;
            return true;
        }
        const std::size_t n = t_.size();
        if (i_ >= n) return false;
        if (const std::uint64_t r = tezBelgi(reinterpret_cast<const unsigned char*>(t_.data()) + i_, n - i_, jadval_)) {
            sinf = Sinf(r);
            i_ += r >> 32;
            return true;
        }
        return sekin(sinf);
    }

    bool navbatBoshmi() const { return navbatI_ >= navbat_.size(); }
    // Continues from `i`, a Character boundary the caller found itself
    // (only while no ICU-cut Characters wait).
    void orniniQoy(std::size_t i) { i_ = i; }
    const std::uint32_t* jadval() const { return jadval_; }

private:
    bool sekin(Sinf& sinf);

    struct Kesim {
        std::size_t oxiri;
        Sinf sinf;
    };
    std::string_view t_;
    std::size_t i_ = 0;
    const std::uint32_t* jadval_;
    std::vector<Kesim> navbat_;
    std::size_t navbatI_ = 0;
    std::vector<std::size_t> chegaralar_;
};

// The reference segmentation: every Character through ICU, no shortcuts.
Matn toliqMatn(std::string_view t);

}  // namespace harfnur::ichki
