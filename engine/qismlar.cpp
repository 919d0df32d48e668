#include "engine/qismlar.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "engine/bolgich.h"
#include "engine/kirill_qadami.h"
#include "engine/lotin_qadami.h"
#include "engine/matn.h"
#include "engine/ogir.h"

namespace harfnur {
namespace {

// A place to cut (0 < k < n): after a line feed, or after a blank that is
// a Character of its own because the code points on both sides never join
// a neighbour. kesishJoyi asks for ASCII there; this lets a blank between
// Cyrillic words cut too. A blank is no letter, mark or rule start, so no
// step sees a difference across it.
bool kesishmi(const unsigned char* b, std::size_t n, std::size_t k, const std::uint32_t* jadval) {
    const unsigned c = b[k - 1];
    if (c == '\n') return true;
    if ((c != ' ' && c != '\t') || k < 2 || k >= n) return false;
    // A two-byte code point at i that stands alone; a lead byte never
    // continues another sequence, so it decodes the same read backwards.
    auto yakka = [&](std::size_t i) {
        return b[i] - 0xC2u < 0x1Eu && (b[i + 1] & 0xC0u) == 0x80u &&
               (jadval[(b[i] & 0x1Fu) << 6 | (b[i + 1] & 0x3Fu)] & ichki::yakkaBit);
    };
    const bool oldin = b[k - 2] < 0x80 || (k >= 3 && yakka(k - 3));
    const bool keyin = b[k] < 0x80 || (k + 1 < n && yakka(k));
    return oldin && keyin;
}

// The Characters at -2..2 around the current one and where each begins;
// absent ones read as 0 and begin at the end of the stretch. A rule eats at
// most two Characters, so the one after them begins within the window.
struct Oyna {
    ichki::Sinf s[5] = {};
    std::size_t bosh[5] = {};
    ichki::Sinf sinf(std::ptrdiff_t d) const { return s[d + 2]; }
    void sur(ichki::Sinf yangi, std::size_t b) {
        std::copy(s + 1, s + 5, s);
        std::copy(bosh + 1, bosh + 5, bosh);
        s[4] = yangi;
        bosh[4] = b;
    }
};

class Qismlovchi {
public:
    Qismlovchi(const std::vector<std::string_view>& qismlar, std::optional<bool> kirillmi) : r_(qismlar.size()) {
        std::size_t jami = 0;
        for (const auto q : qismlar) jami += q.size();
        t_.reserve(jami);
        bosh_.reserve(qismlar.size() + 1);
        for (std::size_t i = 0; i < qismlar.size(); ++i) {
            bosh_.push_back(t_.size());
            t_.append(qismlar[i]);
            // Room for what the fast path asks ahead, so a piece is allocated once.
            r_[i].reserve(qismlar[i].size() + qismlar[i].size() / 8 + 80);
        }
        bosh_.push_back(t_.size());
        kirill_ = kirillmi ? *kirillmi : harflarniSana(t_).kirillmi();
    }

    std::vector<std::string> bajar() && {
        const std::string_view t = t_;
        const std::size_t n = t.size();
        const auto* b = reinterpret_cast<const unsigned char*>(t.data());
        const std::uint32_t* jadval = ichki::tezJadval();
        // `i` is always 0 or a place to cut: what lies before it is done.
        for (std::size_t i = 0; i < n;) {
            const std::size_t k = qismi(i);
            const std::size_t oxiri = bosh_[k + 1];
            std::size_t c = oxiri;
            while (c > i && c < n && !kesishmi(b, n, c, jadval)) --c;
            if (c > i) {
                // Wholly inside one piece: the fast path.
                qadamBilanOgir(t.substr(i, c - i), kirill_, r_[k]);
                i = c;
                continue;
            }
            // The stretch runs over into the next piece: up to the nearest
            // place to cut after it, walked Character by Character.
            std::size_t e = oxiri + 1;
            while (e < n && !kesishmi(b, n, e, jadval)) ++e;
            if (kirill_)
                yur(i, e, [](const Oyna& o, std::ptrdiff_t p) { return ichki::kirillQadami(o, p); });
            else
                yur(i, e, [](const Oyna& o, std::ptrdiff_t p) { return ichki::lotinQadami(o, p); });
            i = e;
        }
        return std::move(r_);
    }

private:
    // The piece that holds byte `bayt`; bytes are asked for in order.
    std::size_t qismi(std::size_t bayt) {
        while (bosh_[k_ + 1] <= bayt) ++k_;
        return k_;
    }

    // Unchanged bytes [i, gacha) go to the pieces they came from.
    void tarqat(std::size_t i, std::size_t gacha) {
        while (i < gacha) {
            const std::size_t j = qismi(i);
            const std::size_t g = std::min(gacha, bosh_[j + 1]);
            r_[j].append(t_, i, g - i);
            i = g;
        }
    }

    // Converts the stretch [a, e), which no step looks out of, giving each
    // replacement to the piece where its first Character begins.
    template <class Qadami>
    void yur(std::size_t a, std::size_t e, Qadami qadami) {
        ichki::Bolgich bol(std::string_view(t_).substr(a, e - a));
        Oyna o;
        auto oqi = [&] {
            ichki::Sinf x = 0;
            const std::size_t b = a + bol.orni();
            const bool bor = bol.keyingi(x);
            o.sur(x, bor ? b : e);
            return int(bor);
        };
        int qolgan = 0;  // present Characters among positions 0..2
        for (int i = 0; i < 3; ++i) qolgan += oqi();
        std::size_t nusxa = a;  // start of the bytes not yet handed out
        int otkaz = 0;          // positions already eaten by a replacement
        while (qolgan > 0) {
            if (otkaz) {
                --otkaz;
            } else if (const ichki::QadamNatijasi q = qadami(o, 0)) {
                tarqat(nusxa, o.bosh[2]);
                r_[qismi(o.bosh[2])] += q->almashtirish;
                nusxa = o.bosh[2 + q->yutildi];
                otkaz = q->yutildi - 1;
            }
            qolgan += oqi() - 1;
        }
        tarqat(nusxa, e);
    }

    std::string t_;
    std::vector<std::size_t> bosh_;  // where each piece starts in t_; then its end
    std::vector<std::string> r_;
    bool kirill_ = false;
    std::size_t k_ = 0;
};

}  // namespace

std::vector<std::string> qismlabOgir(const std::vector<std::string_view>& qismlar, std::optional<bool> kirillmi) {
    if (qismlar.empty()) return {};
    return Qismlovchi(qismlar, kirillmi).bajar();
}

}  // namespace harfnur
