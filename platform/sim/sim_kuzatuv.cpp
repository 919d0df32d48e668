#include "platform/sim/sim_kuzatuv.h"

namespace harfnur::sim {

std::optional<port::MonitorBelgisi> SimKuzatuv::globalKuzat(std::uint64_t niqob, port::HodisaIshlovchisi i) {
    if (ishlamasin) return std::nullopt;
    global_.push_back({niqob, std::move(i)});
    return keyingi_++;
}

std::optional<port::MonitorBelgisi> SimKuzatuv::mahalliyKuzat(std::uint64_t niqob, port::HodisaIshlovchisi i) {
    if (ishlamasin) return std::nullopt;
    mahalliy_.push_back({niqob, std::move(i)});
    return keyingi_++;
}

void SimKuzatuv::yubor(const TugmaHodisasi& h, bool ozimizga) {
    if (!ozimizga && !ishonch_.ishonchlimi()) return;  // other applications' keys stay private
    for (const Monitor& m : ozimizga ? mahalliy_ : global_)
        if (m.niqob & (std::uint64_t{1} << h.tur)) m.ishlovchi(h);
}

}  // namespace harfnur::sim
