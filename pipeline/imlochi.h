// Converts the focused field of the front application through the
// pasteboard and synthetic keystrokes, as a user would by hand.
#pragma once

#include <cstdint>
#include <optional>

#include "platform/hodisa.h"
#include "platform/platforma.h"

namespace harfnur {

struct Imlochi {
    Imlochi() = delete;

    static constexpr port::Mikro tugmaTinishi{50'000};      // after every key press
    static constexpr port::Mikro qoyishChegarasi{1'500'000};  // waiting for Shift to go up
    static constexpr port::Mikro qoyishOraligi{10'000};
    static constexpr port::Mikro nusxaChegarasi{400'000};   // waiting for a copy to land
    static constexpr port::Mikro nusxaOraligi{10'000};
    static constexpr port::Mikro qoyishTinishi{500'000};    // after the paste is read, before restoring
    static constexpr port::Mikro oqishChegarasi{3'000'000};  // waiting for the target to read the paste
    static constexpr port::Mikro oqishOraligi{10'000};

    // The serial queue every conversion runs on.
    static port::Navbat& navbat(const Platforma& p) { return p.navbat; }
    // One key press with exactly these flags, then the settle pause.
    static void tugma(const Platforma& p, std::uint16_t kod, std::uint64_t bayroqlar = hodisa::buyruqBayrogi);
    // One whole conversion; blocks for up to about three seconds.
    static void maydonniOgir(const Platforma& p);

private:
    static void qoyibYuborilishiniKut(const Platforma& p);
    static bool nusxalandimi(const Platforma& p, std::optional<std::uint16_t> oldin);
    static bool oqildimi(const Platforma& p, std::int64_t oldin);
};

}  // namespace harfnur
