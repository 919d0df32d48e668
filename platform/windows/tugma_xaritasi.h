// Turns what the low-level keyboard hook sees into the core's key events:
// Shift and the other modifiers become flags changes carrying the flags held
// after them, other presses become key-downs. Releases of normal keys,
// auto-repeats, the keys we post ourselves and the Shift events that are no
// finger's (see sahtaShiftmi) are dropped.
#pragma once

#include <array>
#include <bitset>
#include <cstdint>
#include <optional>

#include "platform/hodisa.h"

namespace harfnur::windows_ {

// One key as the hook reports it, reduced to what matters here.
struct HookTugmasi {
    std::uint32_t vk = 0;
    std::uint32_t skan = 0;  // as the hook gives it, the driver's flag bits included
    bool kengaytirilgan = false;  // the extended-key bit: right Control and Alt
    bool pastga = true;
    bool bizniki = false;         // carries the mark of our own keystrokes
    double vaqt = 0;              // seconds; 0 when the sender gave no time
};

// The scan code bit the keyboard driver sets on the Shift events it makes up
// (SCANCODE_SIMULATED): with Num Lock on, Shift held and a keypad digit
// pressed, it lifts Shift around the key so the digit acts as an arrow.
inline constexpr std::uint32_t sahtaSkanBiti = 0x200;

// The keypad keys that are digits or arrows by Num Lock, by scan code.
bool ikkiHolatliRaqammi(std::uint32_t skan, bool kengaytirilgan);

// The flags-changed code of a modifier key (the Linux backend's table), or
// nothing for other keys. Generic Shift, Control and Alt are told left from
// right by scan code and the extended bit.
std::optional<std::uint16_t> modifikatorKodi(std::uint32_t vk, std::uint32_t skan, bool kengaytirilgan);

class TugmaXaritasi {
public:
    std::optional<TugmaHodisasi> otkaz(const HookTugmasi& t);
    std::uint64_t bayroqlar() const;

    // Auto-repeat follows a held key at least once a second (the longest
    // keyboard delay); a press of a "held" key after a longer silence is a
    // new press whose release the hook never saw (it went to a window of
    // higher integrity, say).
    static constexpr double takrorChegarasi = 1.1;

private:
    // Whether `t` is a Shift event no finger made: one the driver marks as
    // made up, one with no time stamp (some senders give none), or the
    // unmarked press the driver puts back after a keypad key.
    bool sahtaShiftmi(const HookTugmasi& t, std::uint32_t v) const;

    std::bitset<256> bosilgan_;     // by the left/right virtual key
    std::array<double, 256> oxirgi_{};  // time of each key's last event
    bool qulf_ = false;             // Caps Lock, toggled by its presses
    // A keypad key went up with Shift held: the driver may put Shift back
    // down next with an ordinary scan code.
    bool shiftQaytadi_ = false;
};

// Flags of the modifiers beside Shift and Command, as the Linux backend uses.
inline constexpr std::uint64_t qulfBayrogi = 0x10000, boshqarishBayrogi = 0x40000, altBayrogi = 0x80000;

}  // namespace harfnur::windows_
