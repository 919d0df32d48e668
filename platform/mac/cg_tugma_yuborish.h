// Synthetic keystrokes through Quartz events posted at the HID level, so the
// front application receives them as typed. Any thread: the events are made
// and posted on the main thread, and a call from another thread waits for it.
#pragma once

#include <functional>

#include "platform/tugma_kodlari.h"
#include "platform/tugma_yuborish.h"

namespace harfnur::mac {

class CgTugmaYuborish final : public port::TugmaYuborish {
public:
    // `kodlar` gives the keys of A, C and V in the current layout; it is
    // asked on the main thread before every press, so a layout switch counts
    // at once.
    explicit CgTugmaYuborish(std::function<TugmaKodlari()> kodlar);

    // Each modifier the flags hold is pressed around the key
    // (platform/tugma_qadamlari.h).
    void bos(std::uint16_t kod, std::uint64_t bayroqlar) override;
    void modifikator(std::uint16_t kod, bool pastga, std::uint64_t bayroqlar) override;
    std::uint64_t ushlanganBayroqlar() override;

private:
    std::function<TugmaKodlari()> kodlar_;
};

}  // namespace harfnur::mac
