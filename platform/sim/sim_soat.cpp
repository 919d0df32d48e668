#include "platform/sim/sim_soat.h"

namespace harfnur::sim {

port::Mikro SimSoat::hozir() {
    std::lock_guard l(qulf_);
    bajar();
    return hozir_;
}

void SimSoat::uxla(port::Mikro muddat) {
    std::lock_guard l(qulf_);
    const port::Mikro oxir = hozir_ + muddat;
    // Step through the actions due on the way, each at its own moment.
    while (!rejalar_.empty() && rejalar_.begin()->first <= oxir) {
        hozir_ = std::max(hozir_, rejalar_.begin()->first);
        bajar();
    }
    hozir_ = oxir;
}

std::chrono::system_clock::time_point SimSoat::sana() {
    std::lock_guard l(qulf_);
    // 2026-03-21 00:00:00 UTC at the start.
    return std::chrono::system_clock::time_point(std::chrono::seconds(1'774'051'200)) +
           (hozir_ - port::Mikro(1'000'000'000));
}

void SimSoat::rejalashtir(port::Mikro vaqt, std::function<void()> ish) {
    std::lock_guard l(qulf_);
    rejalar_.emplace(vaqt, std::move(ish));
    bajar();
}

void SimSoat::yozibQoy(std::string nima) {
    std::lock_guard l(qulf_);
    voqealar_.push_back({hozir_, std::move(nima)});
}

std::vector<Voqea> SimSoat::voqealar() {
    std::lock_guard l(qulf_);
    return voqealar_;
}

void SimSoat::bajar() {
    while (!rejalar_.empty() && rejalar_.begin()->first <= hozir_) {
        auto ish = std::move(rejalar_.begin()->second);
        rejalar_.erase(rejalar_.begin());
        ish();
    }
}

}  // namespace harfnur::sim
