#include "app/ruxsat_holati.h"

#include <algorithm>

namespace harfnur {

std::shared_ptr<RuxsatHolati> RuxsatHolati::yarat(Xizmatlar x) {
    std::shared_ptr<RuxsatHolati> h(new RuxsatHolati(x));
    h->ruxsat_ = x.ruxsat.ishonchlimi();
    if (x.buferRuxsati) h->bufer_ = x.buferRuxsati();
    h->avtoyuklashniOqi();
    // The timer never keeps the object alive.
    x.ilova.takroriyTaymer(1.0, [zaif = std::weak_ptr<RuxsatHolati>(h)] {
        if (auto h = zaif.lock()) h->tik();
    });
    return h;
}

void RuxsatHolati::tik() {
    const bool t = x_.ruxsat.ishonchlimi();
    const port::BuferRuxsati b = x_.buferRuxsati ? x_.buferRuxsati() : bufer_;
    if (t == ruxsat_ && b == bufer_) return;
    const bool berildi = t && !ruxsat_;
    ruxsat_ = t;
    bufer_ = b;
    xabarBer();
    if (berildi && ruxsatBerildi) ruxsatBerildi();
}

void RuxsatHolati::sora() {
    // macOS shows its prompt once per application, ever: after it has been
    // answered only the page helps.
    if (!soraldi_) {
        soraldi_ = true;
        x_.ruxsat.sorovKorsat();
        return;
    }
    if (!x_.ruxsat.manzilniOch(ruxsatSozlamalari)) x_.ruxsat.sorovKorsat();
}

void RuxsatHolati::buferSozlamalariniOch() { x_.ruxsat.manzilniOch(buferSozlamalari); }

void RuxsatHolati::avtoyuklashniOrnat(bool yoq) {
    if (!x_.avtoyuklash.bormi()) return;
    const auto xato = yoq ? x_.avtoyuklash.royxatgaOl() : x_.avtoyuklash.royxatdanChiqar();
    if (xato) x_.tizimJurnali.yoz(std::string("Avtoyuklash: ").append(*xato));
    // Told even when nothing changed: a switch the user flipped must come
    // back to the state read here after a refused change.
    avtoyuklashniOqi();
    xabarBer();
}

void RuxsatHolati::avtoyuklashniOqi() {
    avtoyuklash_ = x_.avtoyuklash.bormi() && x_.avtoyuklash.holat() == port::AvtoyuklashHolati::yoqilgan;
}

RuxsatHolati::KuzatuvchiBelgisi RuxsatHolati::kuzat(std::function<void()> f) {
    kuzatuvchilar_.emplace_back(keyingi_, std::move(f));
    return keyingi_++;
}

void RuxsatHolati::kuzatma(KuzatuvchiBelgisi b) {
    std::erase_if(kuzatuvchilar_, [b](const auto& k) { return k.first == b; });
}

void RuxsatHolati::xabarBer() {
    const auto nusxa = kuzatuvchilar_;  // an observer may unsubscribe while called
    for (const auto& [_, f] : nusxa) f();
}

}  // namespace harfnur
