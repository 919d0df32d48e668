// The tray icon: the "Ö" glyph on the lime tile, a tooltip and the menu.
#pragma once

#include "platform/holat_belgisi.h"

class QIcon;
class QString;

namespace harfnur::linux_ {

QIcon belgiRasmi(const QString& matn);  // the glyph drawn on the lime tile

struct QtHolatPaneli final : port::HolatPaneli {
    std::unique_ptr<port::HolatBelgisi> belgiYarat() override;
};

}  // namespace harfnur::linux_
