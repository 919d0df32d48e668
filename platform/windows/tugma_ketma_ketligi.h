// The key events one synthetic press becomes on Windows: Control stands in
// for Command, the letter goes as its virtual key (shortcuts follow virtual
// keys, whatever the layout), the modifiers the user holds are lifted around
// it and put back. Terminals get Control+Insert and Shift+Insert: there
// Control+Shift+C with nothing selected is Control+C, which interrupts the
// running program. They never get a select-all.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace harfnur::windows_ {

struct KiritishTugmasi {
    std::uint16_t vk;
    bool pastga;
    bool operator==(const KiritishTugmasi&) const = default;
};

// Window classes of consoles and terminals, where Control+C interrupts.
bool terminalSinfimi(std::string_view sinf);

// Whether the key must be sent with the extended-key flag: Insert without it
// is the keypad's 0 when Num Lock is on.
bool kengaytirilganmi(std::uint16_t vk);

// `ushlangan`: the left/right modifier keys held now. Empty when the press
// cannot be made (an unknown key, or a select-all in a terminal).
std::vector<KiritishTugmasi> bosishKetmaKetligi(std::uint16_t kod, std::uint64_t bayroqlar, bool terminalmi,
                                                const std::vector<std::uint16_t>& ushlangan);

// The left/right modifier keys whose state is checked before a press.
inline constexpr std::uint16_t kuzatiladiganModifikatorlar[] = {0xA0, 0xA1, 0xA2, 0xA3, 0xA4, 0xA5, 0x5B, 0x5C};

}  // namespace harfnur::windows_
