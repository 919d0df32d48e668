// The Windows virtual keys this backend names, kept free of <windows.h> so
// the decisions built on them compile and are tested anywhere.
#pragma once

#include <cstdint>

namespace harfnur::windows_::vk {

inline constexpr std::uint16_t shift = 0x10, boshqarish = 0x11, alt = 0x12, capsLock = 0x14;
inline constexpr std::uint16_t chapWin = 0x5B, ongWin = 0x5C;
inline constexpr std::uint16_t chapShift = 0xA0, ongShift = 0xA1, chapBoshqarish = 0xA2, ongBoshqarish = 0xA3;
inline constexpr std::uint16_t chapAlt = 0xA4, ongAlt = 0xA5;
inline constexpr std::uint16_t harfA = 'A', harfC = 'C', harfV = 'V';
inline constexpr std::uint16_t insert = 0x2D;
// Unassigned: tapped so a lifted Alt or Windows key opens no menu.
inline constexpr std::uint16_t niqob = 0xE8;
inline constexpr std::uint32_t ongShiftSkani = 0x36;

}  // namespace harfnur::windows_::vk
