// Synthetic keystrokes into the front application, and the held modifiers.
#pragma once

#include <cstdint>

namespace harfnur::port {

class TugmaYuborish {
public:
    virtual ~TugmaYuborish() = default;
    // One complete key press (down, then up) carrying exactly `bayroqlar`,
    // whatever keys the user holds. A press that cannot be made is dropped.
    virtual void bos(std::uint16_t kod, std::uint64_t bayroqlar) = 0;
    // A modifier key event (a flags change) for key `kod` going down or up,
    // carrying exactly `bayroqlar`, as if typed.
    virtual void modifikator(std::uint16_t kod, bool pastga, std::uint64_t bayroqlar) = 0;
    // Modifier flags currently held on the keyboard.
    virtual std::uint64_t ushlanganBayroqlar() = 0;
    // Just before the paste key: waits while the front application would
    // still paste from an old list of the clipboard's formats.
    virtual void qoyishdanOldin() {}
};

}  // namespace harfnur::port
