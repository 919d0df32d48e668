// Which keys carry the letters of the select-all, copy and paste shortcuts in
// a keyboard layout. The fixed codes 0, 8 and 9 are the A, C and V keys of
// QWERTY only: on Dvorak they are A, J and K, so posting them would send the
// front application other commands.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "platform/hodisa.h"

namespace harfnur {

struct TugmaKodlari {
    std::uint16_t a = hodisa::kodA;
    std::uint16_t c = hodisa::kodC;
    std::uint16_t v = hodisa::kodV;

    // The key for one of the fixed codes kodA, kodC, kodV; any other code
    // stays as it is.
    std::uint16_t kodi(std::uint16_t qatiy) const;
    bool operator==(const TugmaKodlari&) const = default;
};

// What a key produces while the given modifier flags are held, in the
// layout's UTF-16 units; empty when it produces nothing.
using TugmaBelgisi = std::function<std::u16string(std::uint16_t kod, std::uint64_t bayroqlar)>;

// Virtual key codes a layout covers (0 to 127).
inline constexpr std::uint16_t tugmaKodlariSoni = 128;

// Looks the three letters up with Command held, as the application reads a
// shortcut (a layout may turn into QWERTY under Command). A fixed code that
// already gives its letter is kept; otherwise the lowest key that does. When
// any letter is missing the fixed codes are used for all three, so two
// letters never share a key.
TugmaKodlari tugmaKodlariniTop(const TugmaBelgisi& belgi);

}  // namespace harfnur
