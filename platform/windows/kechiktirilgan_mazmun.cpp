#include "platform/windows/kechiktirilgan_mazmun.h"

namespace harfnur::windows_ {

void KechiktirilganMazmun::qoy(Turlar turlar) {
    turlar_.clear();
    for (auto& [id, baytlar] : turlar) turlar_.push_back({id, std::move(baytlar)});
}

void KechiktirilganMazmun::tashla() { turlar_.clear(); }

const std::string* KechiktirilganMazmun::baytlari(unsigned id) const {
    for (const Tur& t : turlar_)
        if (t.id == id) return &t.baytlar;
    return nullptr;
}

void KechiktirilganMazmun::berildi(unsigned id, bool boshqasimi, std::int64_t surilish) {
    bool bizniki = false;
    for (Tur& t : turlar_)
        if (t.id == id) bizniki = t.berildi = true;
    // The sequence number first: once the count moves, it is settled.
    surildi_ += surilish;
    if (bizniki && boshqasimi) ++oqildi_;
}

KechiktirilganMazmun::Turlar KechiktirilganMazmun::qolganlari() {
    Turlar r;
    for (Tur& t : turlar_) {
        if (t.berildi) continue;
        t.berildi = true;
        r.emplace_back(t.id, t.baytlar);
    }
    return r;
}

}  // namespace harfnur::windows_
