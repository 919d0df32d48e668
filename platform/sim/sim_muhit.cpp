#include "platform/sim/sim_muhit.h"

namespace harfnur::sim {

bool SimSozlamalar::mantiqiy(std::string_view kalit) {
    std::lock_guard l(m_);
    const auto i = qiymatlar_.find(kalit);
    return i != qiymatlar_.end() && i->second;
}

void SimSozlamalar::yoz(std::string_view kalit, bool qiymat) {
    std::lock_guard l(m_);
    qiymatlar_.insert_or_assign(std::string(kalit), qiymat);
}

SimMuhit::SimMuhit(std::filesystem::path jurnalFayli)
    : jurnalJoyi(soat, std::move(jurnalFayli)),
      platforma{soat, bufer, ilova, kuzatuv, ishonch, sozlamalar, jurnalJoyi, navbat} {
    ilova.hodisaOqimi = [this](const TugmaHodisasi& h) { kuzatuv.yubor(h); };
}

void SimMuhit::shift(bool pastga, double vaqt, bool ozimizga, std::uint16_t kod) {
    const std::uint64_t b = pastga ? hodisa::shiftBayrogi : 0;
    ilova.ushlanganBayroqlar(b);
    kuzatuv.yubor({hodisa::bayroqlarOzgardi, kod, b, vaqt}, ozimizga);
}

void SimMuhit::ikkiMartaShift(double vaqt, bool ozimizga) {
    shift(true, vaqt, ozimizga);
    shift(false, vaqt + 0.06, ozimizga);
    shift(true, vaqt + 0.24, ozimizga);
    shift(false, vaqt + 0.30, ozimizga);
}

}  // namespace harfnur::sim
