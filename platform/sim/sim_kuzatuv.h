// The desktop's event stream: injected key events reach the installed
// monitors, the global ones only while the process is trusted.
#pragma once

#include <atomic>
#include <string>
#include <vector>

#include "platform/ruxsat_xizmati.h"
#include "platform/tugma_kuzatuvi.h"

namespace harfnur::sim {

// The permission: granted or not, the prompts asked for and the settings
// pages opened.
class SimIshonch final : public port::RuxsatXizmati {
public:
    bool ishonchlimi() override { return ishonch_; }
    void sorovKorsat() override { ++sorovlar; }
    bool manzilniOch(const std::string& manzil) override {
        if (ochilmaydi) return false;
        ochilganlar.push_back(manzil);
        return true;
    }
    void ber(bool b) { ishonch_ = b; }

    int sorovlar = 0;
    std::vector<std::string> ochilganlar;
    bool ochilmaydi = false;  // a platform without settings pages

private:
    std::atomic<bool> ishonch_{true};
};

class SimKuzatuv final : public port::TugmaKuzatuvi {
public:
    explicit SimKuzatuv(port::Ishonch& ishonch) : ishonch_(ishonch) {}
    std::optional<port::MonitorBelgisi> globalKuzat(std::uint64_t niqob, port::HodisaIshlovchisi i) override;
    std::optional<port::MonitorBelgisi> mahalliyKuzat(std::uint64_t niqob, port::HodisaIshlovchisi i) override;

    // Delivers an event to the front application (another one, or ours).
    void yubor(const TugmaHodisasi& h, bool ozimizga = false);
    std::size_t monitorSoni() const { return global_.size() + mahalliy_.size(); }
    bool ishlamasin = false;  // monitors cannot be installed

private:
    struct Monitor {
        std::uint64_t niqob;
        port::HodisaIshlovchisi ishlovchi;
    };
    port::Ishonch& ishonch_;
    std::vector<Monitor> global_, mahalliy_;
    port::MonitorBelgisi keyingi_ = 1;
};

}  // namespace harfnur::sim
