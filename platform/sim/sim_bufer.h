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
    port::BuferNusxasi olish() override;
    void qaytar(const port::BuferNusxasi& nusxa) override;

    // Another application (or the user) puts new content on the pasteboard.
    void boshqasiYozdi(port::BuferNusxasi mazmun);
    port::BuferNusxasi mazmun();

private:
    SimSoat& soat_;
    std::int64_t son_ = 7;
    port::BuferNusxasi mazmun_;
};

}  // namespace harfnur::sim
