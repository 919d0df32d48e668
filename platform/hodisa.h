// The key-event vocabulary the core speaks; backends translate their own
// events into it.
#pragma once

#include <cstdint>

namespace harfnur {

struct TugmaHodisasi {
    std::uint16_t tur = 0;         // tugmaBosildi or bayroqlarOzgardi
    std::uint16_t kod = 0;         // virtual key code
    std::uint64_t bayroqlar = 0;   // modifier flags after the event
    double vaqt = 0;               // seconds, any monotonic clock
};

namespace hodisa {
inline constexpr std::uint16_t tugmaBosildi = 10;      // key down
inline constexpr std::uint16_t bayroqlarOzgardi = 12;  // a modifier changed
inline constexpr std::uint64_t niqob = 0x1400;          // both of the above

inline constexpr std::uint16_t kodA = 0;
inline constexpr std::uint16_t kodC = 8;
inline constexpr std::uint16_t kodV = 9;
inline constexpr std::uint16_t chapBuyruq = 55;  // the left Command key
inline constexpr std::uint16_t chapShift = 56;
inline constexpr std::uint16_t ongShift = 60;

inline constexpr std::uint64_t shiftBayrogi = 0x20000;
inline constexpr std::uint64_t buyruqBayrogi = 0x100000;  // Command (Control on Linux)
}  // namespace hodisa

}  // namespace harfnur
