#include "platform/sim/sim_ilova.h"

#include "platform/hodisa.h"

namespace harfnur::sim {

void SimIlova::bos(std::uint16_t kod, std::uint64_t bayroqlar) {
    std::lock_guard l(soat_.qulf());
    soat_.yozibQoy("tugma: " + std::to_string(kod) + " " + std::to_string(bayroqlar));
    if (bayroqlar != hodisa::buyruqBayrogi) return;  // e.g. Cmd+Shift+C is another command
    switch (kod) {
        case hodisa::kodA:
            bosh_ = 0;
            oxir_ = matn_.size();
            break;
        case hodisa::kodC: {
            if (bosh_ == oxir_ || rejim_ == NusxaRejimi::hechnarsa) break;  // nothing to copy
            port::BuferNusxasi m;
            if (rejim_ == NusxaRejimi::matnEmas)
                m.turlar = {{"image/png", "\x89PNG rasm"}};
            else
                m.turlar = {{matnTuri, matn_.substr(bosh_, oxir_ - bosh_)}};
            soat_.rejalashtir(soat_.hozir() + kechikish_, [this, m] {
                bufer_.boshqasiYozdi(m);
                soat_.yozibQoy("bufer: ilova nusxaladi");
            });
            break;
        }
        case hodisa::kodV: {
            const auto t = bufer_.matn();
            if (!t) break;
            matn_.replace(bosh_, oxir_ - bosh_, *t);
            bosh_ = oxir_ = bosh_ + t->size();
            break;
        }
        default:
            break;
    }
}

void SimIlova::modifikator(std::uint16_t kod, bool pastga, std::uint64_t bayroqlar) {
    std::function<void(const TugmaHodisasi&)> oqim;
    TugmaHodisasi h{hodisa::bayroqlarOzgardi, kod, bayroqlar, 0};
    {
        std::lock_guard l(soat_.qulf());
        soat_.yozibQoy("modifikator: " + std::to_string(kod) + (pastga ? " pastga" : " tepaga"));
        ushlangan_ = bayroqlar;
        h.vaqt = double(soat_.hozir().count()) / 1e6;
        oqim = hodisaOqimi;
    }
    if (oqim) oqim(h);  // outside the lock: handlers may start work of their own
}

std::uint64_t SimIlova::ushlanganBayroqlar() {
    std::lock_guard l(soat_.qulf());
    soat_.hozir();
    return ushlangan_;
}

void SimIlova::maydon(std::string matn, std::size_t tanlovBoshi, std::size_t tanlovOxiri) {
    std::lock_guard l(soat_.qulf());
    matn_ = std::move(matn);
    bosh_ = tanlovBoshi;
    oxir_ = tanlovOxiri;
}

std::string SimIlova::matn() {
    std::lock_guard l(soat_.qulf());
    return matn_;
}

void SimIlova::nusxaRejimi(NusxaRejimi r, port::Mikro kechikish) {
    std::lock_guard l(soat_.qulf());
    rejim_ = r;
    kechikish_ = kechikish;
}

void SimIlova::ushlanganBayroqlar(std::uint64_t b) {
    std::lock_guard l(soat_.qulf());
    ushlangan_ = b;
}

}  // namespace harfnur::sim
