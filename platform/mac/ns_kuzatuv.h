// Key events through NSEvent monitors: a global one for events going to
// other applications, a local one for this application's own windows. Main
// thread only; handlers run there. The monitors are removed when this goes.
#pragma once

#include <memory>

#include "platform/tugma_kuzatuvi.h"

namespace harfnur::mac {

class NsKuzatuv final : public port::TugmaKuzatuvi {
public:
    NsKuzatuv();
    ~NsKuzatuv() override;
    std::optional<port::MonitorBelgisi> globalKuzat(std::uint64_t niqob, port::HodisaIshlovchisi i) override;
    std::optional<port::MonitorBelgisi> mahalliyKuzat(std::uint64_t niqob, port::HodisaIshlovchisi i) override;

private:
    struct Monitorlar;
    std::unique_ptr<Monitorlar> m_;
};

}  // namespace harfnur::mac
