#include "platform/sim/sim_ilova.h"

#include <algorithm>

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
            if (rejim_ == NusxaRejimi::hechnarsa) break;
            port::BuferNusxasi m;
            if (bosh_ == oxir_) {
                if (!qatorNusxalaydi_) break;  // nothing to copy
                // The line around the cursor, with the editor's own mark.
                const std::size_t b = matn_.rfind('\n', bosh_ == 0 ? 0 : bosh_ - 1);
                const std::size_t boshi = b == std::string::npos || bosh_ == 0 ? 0 : b + 1;
                const std::size_t oxiri = std::min(matn_.find('\n', bosh_), matn_.size());
                m.turlar = {{matnTuri, matn_.substr(boshi, oxiri - boshi) + "\n"},
                            {"vscode-editor-data", R"({"version":1,"isFromEmptySelection":true,"mode":"plaintext"})"}};
            } else if (rejim_ == NusxaRejimi::matnEmas) {
                m.turlar = {{"image/png", "\x89PNG rasm"}};
            } else {
                m.turlar = {{matnTuri, matn_.substr(bosh_, oxir_ - bosh_)}};
                for (const auto& q : qoshimcha_) m.turlar.push_back(q);
            }
            soat_.rejalashtir(soat_.hozir() + kechikish_, [this, m] {
                bufer_.boshqasiYozdi(m);
                soat_.yozibQoy("bufer: ilova nusxaladi");
            });
            break;
        }
        case hodisa::kodV:
            soat_.rejalashtir(soat_.hozir() + qoyishKechikishi_, [this] {
                qoyilgan_ = bufer_.boshqasiOqidi();
                soat_.yozibQoy("bufer: ilova o'qidi");
                for (const auto& [tur, t] : qoyilgan_.turlar) {
                    if (tur != matnTuri) continue;
                    matn_.replace(bosh_, oxir_ - bosh_, t);
                    bosh_ = oxir_ = bosh_ + t.size();
                    break;
                }
            });
            break;
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

void SimIlova::nusxaQoshimchasi(std::vector<std::pair<std::string, std::string>> turlar) {
    std::lock_guard l(soat_.qulf());
    qoshimcha_ = std::move(turlar);
}

void SimIlova::qatorNusxalaydi(bool ha) {
    std::lock_guard l(soat_.qulf());
    qatorNusxalaydi_ = ha;
}

void SimIlova::qoyishKechikishi(port::Mikro k) {
    std::lock_guard l(soat_.qulf());
    qoyishKechikishi_ = k;
}

port::BuferNusxasi SimIlova::qoyilgan() {
    std::lock_guard l(soat_.qulf());
    return qoyilgan_;
}

void SimIlova::ushlanganBayroqlar(std::uint64_t b) {
    std::lock_guard l(soat_.qulf());
    ushlangan_ = b;
}

}  // namespace harfnur::sim
