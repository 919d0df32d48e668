// Watches every key-down and modifier event on the desktop and starts a
// field conversion at each double Shift tap.
#pragma once

#include <memory>
#include <vector>

#include "pipeline/ikki_shift.h"
#include "platform/platforma.h"

namespace harfnur {

class ShiftKuzatuvchi : public std::enable_shared_from_this<ShiftKuzatuvchi> {
public:
    static std::shared_ptr<ShiftKuzatuvchi> yarat(const Platforma& p);

    // Installs the monitors once; a later call does nothing while they run.
    void boshla();
    bool ishlayaptimi() const { return !monitorlar.empty(); }

private:
    explicit ShiftKuzatuvchi(const Platforma& p) : p_(p) {}
    void qabul(const TugmaHodisasi& h);

    const Platforma& p_;
    IkkiShift aniqlovchi;
    std::vector<port::MonitorBelgisi> monitorlar;
};

}  // namespace harfnur
