// The status-bar item: the title "Ö", its tooltip and its menu. Main thread
// only; the item leaves the status bar when its object goes.
#pragma once

#include "platform/holat_belgisi.h"

namespace harfnur::mac {

struct NsHolatPaneli final : port::HolatPaneli {
    std::unique_ptr<port::HolatBelgisi> belgiYarat() override;
};

}  // namespace harfnur::mac
