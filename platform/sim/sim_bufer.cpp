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
    ++son_;
    soat_.yozibQoy("bufer: tozalandi");
}

void SimBufer::matnYoz(const std::string& matn) {
    std::lock_guard l(soat_.qulf());
    mazmun_.turlar.emplace_back(matnTuri, matn);
    soat_.yozibQoy("bufer: matn yozildi");
}

port::BuferNusxasi SimBufer::olish() {
    std::lock_guard l(soat_.qulf());
    return mazmun_;
}

void SimBufer::qaytar(const port::BuferNusxasi& nusxa) {
    std::lock_guard l(soat_.qulf());
    mazmun_ = nusxa;
    mazmun_.oqilmadi = 0;  // what comes back is all there is now
    ++son_;
    soat_.yozibQoy("bufer: qaytarildi");
}

void SimBufer::boshqasiYozdi(port::BuferNusxasi mazmun) {
    std::lock_guard l(soat_.qulf());
    mazmun_ = std::move(mazmun);
    ++son_;
}

port::BuferNusxasi SimBufer::mazmun() { return olish(); }

}  // namespace harfnur::sim
