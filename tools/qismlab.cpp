#include "tools/qismlab.h"

#include <atomic>
#include <optional>

namespace harfnur::ogiruvchi {

std::vector<std::size_t> chegaralar(std::string_view matn, std::size_t qismHajmi) {
    std::vector<std::size_t> r{0};
    if (qismHajmi == 0) qismHajmi = 1;
    while (r.back() < matn.size()) r.push_back(kesishJoyi(matn, r.back() + qismHajmi));
    return r;
}

namespace {

// The step of the whole text, counted piece by piece until the rest of the
// text can no longer change it.
bool qadamniTanla(TartibliIshlar& ishlar, std::string_view t, const std::vector<std::size_t>& ch) {
    struct Holat {
        HarfSanogi sanoq;
        std::size_t sanalgan = 0;
        std::optional<bool> qaror;
        std::atomic<bool> bildi{false};  // read by the jobs, so late ones skip their count
    };
    auto h = std::make_shared<Holat>();
    for (std::size_t i = 0; i + 1 < ch.size() && !h->qaror; ++i) {
        const std::string_view qism = t.substr(ch[i], ch[i + 1] - ch[i]);
        ishlar.qosh(
            [h, qism](TartibliIshlar::Joy& j) {
                j.sanoq = h->bildi.load(std::memory_order_relaxed) ? HarfSanogi{} : harflarniSana(qism);
            },
            [h, qism, n = t.size()](TartibliIshlar::Joy& j) {
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

void qismlabOgir(TartibliIshlar& ishlar, std::string_view t, std::size_t qismHajmi,
                 std::shared_ptr<const void> egasi, Ber ber) {
    auto b = std::make_shared<Ber>(std::move(ber));
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
            [t, egasi, b](TartibliIshlar::Joy& j) { (*b)(t, j.chiqish); });
        return;
    }
    const std::vector<std::size_t> ch = chegaralar(t, qismHajmi);
    const bool kirillmi = qadamniTanla(ishlar, t, ch);
    for (std::size_t i = 0; i + 1 < ch.size(); ++i) {
        const std::string_view qism = t.substr(ch[i], ch[i + 1] - ch[i]);
        ishlar.qosh(
            [qism, kirillmi, egasi](TartibliIshlar::Joy& j) {
                j.chiqish.clear();
                qadamBilanOgir(qism, kirillmi, j.chiqish);
            },
            [qism, egasi, b](TartibliIshlar::Joy& j) { (*b)(qism, j.chiqish); });
    }
}

}  // namespace harfnur::ogiruvchi
