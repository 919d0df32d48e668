// The login item through SMAppService (macOS 13 and later); on macOS 12
// there is no service. Main thread only.
#pragma once

#include "platform/avtoyuklash_xizmati.h"

namespace harfnur::mac {

struct SmAvtoyuklash final : port::AvtoyuklashXizmati {
    bool bormi() override;
    port::AvtoyuklashHolati holat() override;
    std::optional<std::string> royxatgaOl() override;
    std::optional<std::string> royxatdanChiqar() override;
};

}  // namespace harfnur::mac
