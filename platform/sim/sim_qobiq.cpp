#include "platform/sim/sim_qobiq.h"

namespace harfnur::sim {

int SimIlovaObyekti::ishlat(std::function<void()> ishgaTushdi) {
    ishgaTushdi();
    return 0;
}

void SimIlovaObyekti::takroriyTaymer(double soniya, std::function<void()> tik) {
    const port::Mikro oraliq(static_cast<long long>(soniya * 1e6));
    taymerlar_.push_back({oraliq, soat_.hozir() + oraliq, std::move(tik)});
}

void SimIlovaObyekti::aylan(port::Mikro muddat) {
    const port::Mikro oxir = soat_.hozir() + muddat;
    for (;;) {
        Taymer* eng = nullptr;
        for (Taymer& t : taymerlar_)
            if (t.keyingi <= oxir && (!eng || t.keyingi < eng->keyingi)) eng = &t;
        if (!eng) break;
        if (eng->keyingi > soat_.hozir()) soat_.uxla(eng->keyingi - soat_.hozir());
        eng->keyingi += eng->oraliq;
        const auto tik = eng->tik;  // a tick may add timers
        tik();
    }
    if (oxir > soat_.hozir()) soat_.uxla(oxir - soat_.hozir());
}

std::unique_ptr<port::HolatBelgisi> SimHolatPaneli::belgiYarat() {
    // Mirrors what the item shows into the panel, which outlives it.
    struct Belgi final : port::HolatBelgisi {
        SimHolatPaneli& p;
        bool tugma;
        Belgi(SimHolatPaneli& p, bool t) : p(p), tugma(t) {}
        bool tugmasiBormi() override { return tugma; }
        void sarlavhaQoy(const std::string& s) override { p.oxirgiSarlavha = s; }
        void izohQoy(const std::string& s) override { p.oxirgiIzoh = s; }
        void menyuQoy(std::vector<port::MenyuBandi> b) override { p.oxirgiMenyu = std::move(b); }
    };
    return std::make_unique<Belgi>(*this, !tugmasiz);
}

SimOyna::SimOyna(std::shared_ptr<Tanishtiruv> k) : korinish(std::move(k)) {
    chiz();
    obuna_ = korinish->ozgarganda([this] { chiz(); });
}

SimOyna::~SimOyna() { korinish->holat->kuzatma(obuna_); }

void SimOyna::chiz() {
    chizilgan = korinish->korinish();
    ++chizildi;
}

std::unique_ptr<port::Oyna> SimOynaXizmati::yarat(std::shared_ptr<Tanishtiruv> k) {
    auto o = std::make_unique<SimOyna>(std::move(k));
    oynalar.push_back(o.get());
    return o;
}

std::optional<std::string> SimAvtoyuklash::royxatgaOl() {
    ++chaqirildi;
    if (rad) return rad;
    holat_ = royxatdanKeyin;
    return std::nullopt;
}

std::optional<std::string> SimAvtoyuklash::royxatdanChiqar() {
    ++chaqirildi;
    if (rad) return rad;
    holat_ = port::AvtoyuklashHolati::royxatdaEmas;
    return std::nullopt;
}

}  // namespace harfnur::sim
