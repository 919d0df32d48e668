// The application delegate: the launch checks, the status item and its
// menu, the start of the watcher, and the onboarding window.
#pragma once

#include <memory>

#include "app/ruxsat_holati.h"
#include "pipeline/shift_kuzatuvchi.h"
#include "platform/ilova_platformasi.h"

namespace harfnur {

class Ilova : public std::enable_shared_from_this<Ilova> {
public:
    // Creates the permission state (its poll starts) and an idle watcher.
    static std::shared_ptr<Ilova> yarat(const IlovaPlatformasi& p);

    void ishgaTushdi();  // launching has finished
    void tanishtiruvniOch();

    // For the shell's tests.
    const RuxsatHolati& holati() const { return *holat; }
    const ShiftKuzatuvchi& kuzatuvchisi() const { return *kuzatuvchi; }

    static constexpr const char* belgiSarlavhasi = "Ö";
    static constexpr const char* belgiIzohi = "Harfnur: Shift’ni ikki marta bosing";

private:
    explicit Ilova(const IlovaPlatformasi& p);

    const IlovaPlatformasi& p_;
    std::unique_ptr<port::HolatBelgisi> belgi;
    const std::shared_ptr<RuxsatHolati> holat;
    const std::shared_ptr<ShiftKuzatuvchi> kuzatuvchi;
    std::unique_ptr<port::Oyna> oyna;
};

// Whether the program runs from a mounted disk image or a translocated copy.
bool joyiNotogrimi(const std::string& yol);

// Whether a Windows program runs from inside an archive: the temporary
// folder Explorer (Temp1_x.zip), 7-Zip (7zO...) or WinRAR (Rar$EX...) opens
// it from, which is gone once the archive window closes.
bool zipIchidami(const std::string& yol);

}  // namespace harfnur
