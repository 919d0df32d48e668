// The whole simulated desktop, wired as the ports the core uses.
#pragma once

#include <filesystem>
#include <map>
#include <string>

#include "platform/ipli_navbat.h"
#include "platform/jurnal_joyi.h"
#include "platform/platforma.h"
#include "platform/sim/sim_bufer.h"
#include "platform/sim/sim_ilova.h"
#include "platform/sim/sim_kuzatuv.h"
#include "platform/sim/sim_soat.h"
#include "platform/sozlamalar.h"

namespace harfnur::sim {

class SimSozlamalar final : public port::Sozlamalar {
public:
    bool mantiqiy(std::string_view kalit) override;
    void yoz(std::string_view kalit, bool qiymat) override;

private:
    std::mutex m_;
    std::map<std::string, bool, std::less<>> qiymatlar_;
};

// The log file in a folder of the test's; each use is noted on the timeline.
class SimJurnalJoyi final : public port::JurnalJoyi {
public:
    SimJurnalJoyi(SimSoat& soat, std::filesystem::path fayl) : soat_(soat), fayl_(std::move(fayl)) {}
    std::optional<std::filesystem::path> fayl() override {
        soat_.yozibQoy("jurnal");
        return fayl_;
    }

private:
    SimSoat& soat_;
    std::filesystem::path fayl_;
};

class SimMuhit {
public:
    explicit SimMuhit(std::filesystem::path jurnalFayli);

    SimSoat soat;
    SimBufer bufer{soat};
    SimIlova ilova{soat, bufer};
    SimIshonch ishonch;
    SimKuzatuv kuzatuv{ishonch};
    SimSozlamalar sozlamalar;
    SimJurnalJoyi jurnalJoyi;
    IpliNavbat navbat;
    const Platforma platforma;

    // A Shift key going down or up (left by default) at event time `vaqt`.
    void shift(bool pastga, double vaqt, bool ozimizga = false, std::uint16_t kod = hodisa::chapShift);
    // Two quick taps starting at `vaqt`; the second release is at vaqt + 0.3.
    void ikkiMartaShift(double vaqt, bool ozimizga = false);
};

}  // namespace harfnur::sim
