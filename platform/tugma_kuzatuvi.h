// Desktop-wide key-event monitors. Handlers run on the main thread, one
// event at a time, and can neither change nor stop an event.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>

#include "platform/hodisa.h"

namespace harfnur::port {

using MonitorBelgisi = std::uint64_t;  // opaque token of an installed monitor
using HodisaIshlovchisi = std::function<void(const TugmaHodisasi&)>;

class TugmaKuzatuvi {
public:
    virtual ~TugmaKuzatuvi() = default;
    // Events going to other applications; needs the permission to see any.
    virtual std::optional<MonitorBelgisi> globalKuzat(std::uint64_t niqob, HodisaIshlovchisi) = 0;
    // Events going to this application's own windows; always passed on.
    virtual std::optional<MonitorBelgisi> mahalliyKuzat(std::uint64_t niqob, HodisaIshlovchisi) = 0;
};

}  // namespace harfnur::port
