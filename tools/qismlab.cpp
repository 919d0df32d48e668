#include "tools/qismlab.h"

#include <atomic>
#include <optional>

namespace harfnur::ogiruvchi {

namespace {

// The bounds found as the pieces are wanted: each cut reads the text where it
// falls, so finding them all first would bring a page per piece into memory
// long before the piece is converted.
class Kesuvchi {
public:
    Kesuvchi(std::string_view t, std::size_t qismHajmi) : t_(t), hajm_(qismHajmi ? qismHajmi : 1) {}
    // Piece i, or nothing past the last.
    std::optional<std::string_view> qism(std::size_t i) {
        while (ch_.size() <= i + 1 && ch_.back() < t_.size()) ch_.push_back(kesishJoyi(t_, ch_.back() + hajm_));
        if (i + 1 >= ch_.size()) return std::nullopt;
        return t_.substr(ch_[i], ch_[i + 1] - ch_[i]);
    }

private:
    std::string_view t_;
    std::size_t hajm_;
    std::vector<std::size_t> ch_{0};
};

// The step of the whole text, counted piece by piece until the rest of the
// text can no longer change it.
bool qadamniTanla(TartibliIshlar& ishlar, std::string_view t, Kesuvchi& kes, const std::shared_ptr<QoyibYubor>& qoy) {
    struct Holat {
        HarfSanogi sanoq;
        std::size_t sanalgan = 0;
        std::optional<bool> qaror;
        std::atomic<bool> bildi{false};  // read by the jobs, so late ones skip their count
    };
    auto h = std::make_shared<Holat>();
    for (std::size_t i = 0; !h->qaror; ++i) {
        const std::optional<std::string_view> q = kes.qism(i);
        if (!q) break;
        const std::string_view qism = *q;
        ishlar.qosh(
            [h, qism](TartibliIshlar::Joy& j) {
                j.sanoq = h->bildi.load(std::memory_order_relaxed) ? HarfSanogi{} : harflarniSana(qism);
            },
            [h, qism, n = t.size(), qoy](TartibliIshlar::Joy& j) {
                if (*qoy) (*qoy)(qism);
                if (h->qaror) return;
                h->sanoq += j.sanoq;
                h->sanalgan += qism.size();
                h->qaror = qadamAniqmi(h->sanoq, n - h->sanalgan);
                if (h->qaror) h->bildi.store(true, std::memory_order_relaxed);
            });
    }
    ishlar.kut();
    return h->qaror.value_or(false);  // certain once every byte is counted
}

}  // namespace

std::vector<std::size_t> chegaralar(std::string_view matn, std::size_t qismHajmi) {
    Kesuvchi kes(matn, qismHajmi);
    std::vector<std::size_t> r{0};
    for (std::size_t i = 0; const auto q = kes.qism(i); ++i) r.push_back(r.back() + q->size());
    return r;
}

void qismlabOgir(TartibliIshlar& ishlar, std::string_view t, std::size_t qismHajmi,
                 std::shared_ptr<const void> egasi, Ber ber, QoyibYubor qoyibYubor) {
    auto b = std::make_shared<Ber>(std::move(ber));
    auto qoy = std::make_shared<QoyibYubor>(std::move(qoyibYubor));
    if (t.size() <= qismHajmi) {
        // One job does it all, the way ogir does: the step guessed from the
        // start, and the walk redone when the count of the whole disagrees.
        ishlar.qosh(
            [t, egasi](TartibliIshlar::Joy& j) {
                j.chiqish.clear();
                const bool taxmin = harflarniSana(t.substr(0, 4096)).kirillmi();
                if (qadamBilanOgir(t, taxmin, j.chiqish).kirillmi() != taxmin) {
                    j.chiqish.clear();
                    qadamBilanOgir(t, !taxmin, j.chiqish);
                }
            },
            [t, egasi, b, qoy](TartibliIshlar::Joy& j) {
                (*b)(t, j.chiqish);
                if (*qoy) (*qoy)(t);
            });
        return;
    }
    Kesuvchi kes(t, qismHajmi);
    const bool kirillmi = qadamniTanla(ishlar, t, kes, qoy);
    for (std::size_t i = 0; const auto q = kes.qism(i); ++i) {
        const std::string_view qism = *q;
        ishlar.qosh(
            [qism, kirillmi, egasi](TartibliIshlar::Joy& j) {
                j.chiqish.clear();
                qadamBilanOgir(qism, kirillmi, j.chiqish);
            },
            [qism, egasi, b, qoy](TartibliIshlar::Joy& j) {
                (*b)(qism, j.chiqish);
                if (*qoy) (*qoy)(qism);
            });
    }
}

}  // namespace harfnur::ogiruvchi
