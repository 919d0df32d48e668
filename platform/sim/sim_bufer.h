// A pasteboard with a change count and several representations.
#pragma once

#include "platform/bufer.h"
#include "platform/sim/sim_soat.h"

namespace harfnur::sim {

inline constexpr const char* matnTuri = "text/plain";

class SimBufer final : public port::Bufer {
public:
    explicit SimBufer(SimSoat& soat) : soat_(soat) {}

    std::int64_t ozgarishSoni() override;
    std::optional<std::string> matn() override;
    void tozala() override;
    void matnYoz(const std::string& matn) override;
    using port::Bufer::olish;
    port::BuferNusxasi olish(const port::TurTanlovi& kerakmi) override;
    void qaytar(const port::BuferNusxasi& nusxa) override;
    void yoz(const std::string& matn, const port::BuferNusxasi& boylar) override;
    std::int64_t oqilishSoni() override;

    // Another application reads the content (a paste); counted when it is
    // what `yoz` put there.
    port::BuferNusxasi boshqasiOqidi();

    // Another application (or the user) puts new content on the pasteboard.
    void boshqasiYozdi(port::BuferNusxasi mazmun);
    port::BuferNusxasi mazmun();

private:
    SimSoat& soat_;
    std::int64_t son_ = 7;
    port::BuferNusxasi mazmun_;
    bool bizniki_ = false;  // mazmun_ is what `yoz` wrote
    std::int64_t oqildi_ = 0;
};

}  // namespace harfnur::sim
