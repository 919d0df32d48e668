#include "platform/sim/sim_bufer.h"

namespace harfnur::sim {

std::int64_t SimBufer::ozgarishSoni() {
    std::lock_guard l(soat_.qulf());
    soat_.hozir();  // lets due actions (a copy landing) happen first
    return son_;
}

std::optional<std::string> SimBufer::matn() {
    std::lock_guard l(soat_.qulf());
    for (const auto& [tur, baytlar] : mazmun_.turlar)
        if (tur == matnTuri) return baytlar;
    return std::nullopt;
}

void SimBufer::tozala() {
    std::lock_guard l(soat_.qulf());
    mazmun_ = {};
    bizniki_ = false;
    ++son_;
    soat_.yozibQoy("bufer: tozalandi");
}

void SimBufer::matnYoz(const std::string& matn) {
    std::lock_guard l(soat_.qulf());
    mazmun_.turlar.emplace_back(matnTuri, matn);
    soat_.yozibQoy("bufer: matn yozildi");
}

port::BuferNusxasi SimBufer::olish(const port::TurTanlovi& kerakmi) {
    std::lock_guard l(soat_.qulf());
    port::BuferNusxasi r = mazmun_;
    for (const auto& [tur, _] : mazmun_.turlar) r.taklif.push_back(tur);
    if (kerakmi) std::erase_if(r.turlar, [&](const auto& x) { return !kerakmi(x.first); });
    return r;
}

void SimBufer::yoz(const std::string& matn, const port::BuferNusxasi& boylar) {
    std::lock_guard l(soat_.qulf());
    mazmun_ = boylar;
    mazmun_.turlar.emplace_back(matnTuri, matn);
    bizniki_ = true;
    ++son_;
    soat_.yozibQoy("bufer: ogirilgan yozildi");
}

std::int64_t SimBufer::oqilishSoni() {
    std::lock_guard l(soat_.qulf());
    soat_.hozir();  // lets a due paste happen first
    return oqildi_;
}

port::BuferNusxasi SimBufer::boshqasiOqidi() {
    std::lock_guard l(soat_.qulf());
    if (bizniki_) ++oqildi_;
    return mazmun_;
}

void SimBufer::qaytar(const port::BuferNusxasi& nusxa) {
    std::lock_guard l(soat_.qulf());
    mazmun_ = nusxa;
    mazmun_.oqilmadi = 0;  // what comes back is all there is now
    mazmun_.taklif.clear();
    bizniki_ = false;
    ++son_;
    soat_.yozibQoy("bufer: qaytarildi");
}

void SimBufer::boshqasiYozdi(port::BuferNusxasi mazmun) {
    std::lock_guard l(soat_.qulf());
    mazmun_ = std::move(mazmun);
    bizniki_ = false;
    ++son_;
}

port::BuferNusxasi SimBufer::mazmun() { return olish(); }

}  // namespace harfnur::sim
