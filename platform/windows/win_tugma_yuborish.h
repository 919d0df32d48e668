// Synthetic key presses through SendInput, marked as ours.
#pragma once

#include "platform/tugma_yuborish.h"

namespace harfnur::windows_ {

class WinTugmaYuborish final : public port::TugmaYuborish {
public:
    void bos(std::uint16_t kod, std::uint64_t bayroqlar) override;
    // Unmarked, like a key of the user's (the self-test's Shift taps).
    void modifikator(std::uint16_t kod, bool pastga, std::uint64_t bayroqlar) override;
    std::uint64_t ushlanganBayroqlar() override;
};

}  // namespace harfnur::windows_
