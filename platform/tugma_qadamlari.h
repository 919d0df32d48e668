// The key events one shortcut press is posted as. A flag on the letter alone
// is not enough: Chromium, Electron and remote-desktop clients follow the
// modifier keys themselves, so each modifier the press carries goes down
// before the letter and up after it, as when typed.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/tugma_kodlari.h"

namespace harfnur {

struct TugmaQadami {
    std::uint16_t kod = 0;        // virtual key code
    bool pastga = false;          // down, or up
    bool modifikatormi = false;   // a modifier key: a flags change, not a key press
    std::uint64_t bayroqlar = 0;  // the modifier flags the event carries
    // What the letter types under these flags, in UTF-16; 0 for a modifier
    // or a key that is none of A, C and V. The event says so itself, so a
    // program that reads the character, not the key, sees the shortcut also
    // while a Cyrillic input source is selected.
    char16_t belgi = 0;
    bool operator==(const TugmaQadami&) const = default;
};

// Command then Shift down (those of them in `bayroqlar`), the key down and
// up with all of `bayroqlar`, then the modifiers up in reverse order. `kod`
// is one of the fixed codes (kodA, kodC, kodV) or any other key code;
// `kodlar` gives the fixed codes' keys in the current layout.
std::vector<TugmaQadami> bosishQadamlari(const TugmaKodlari& kodlar, std::uint16_t kod, std::uint64_t bayroqlar);

}  // namespace harfnur
