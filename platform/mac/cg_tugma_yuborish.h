// Synthetic keystrokes through Quartz events posted at the HID level, so the
// front application receives them as typed. Any thread.
#pragma once

#include <functional>

#include "platform/tugma_kodlari.h"
#include "platform/tugma_yuborish.h"

namespace harfnur::mac {

class CgTugmaYuborish final : public port::TugmaYuborish {
public:
    // `kodlar` gives the keys of A, C and V in the current layout; it is
    // asked before every press, so a layout switch counts at once. Built on
    // the main thread.
    explicit CgTugmaYuborish(std::function<TugmaKodlari()> kodlar);

    void bos(std::uint16_t kod, std::uint64_t bayroqlar) override;
    void modifikator(std::uint16_t kod, bool pastga, std::uint64_t bayroqlar) override;
    std::uint64_t ushlanganBayroqlar() override;

private:
    std::function<TugmaKodlari()> kodlar_;
};

}  // namespace harfnur::mac
