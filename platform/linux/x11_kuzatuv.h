// Watches every key on the X server through XInput2 raw events, read on a
// connection of its own from the main thread's event loop, and hands them
// to the monitors in the core's vocabulary.
#pragma once

#include <QObject>
#include <memory>
#include <vector>

#include "platform/linux/takror.h"
#include "platform/tugma_kuzatuvi.h"

class QSocketNotifier;
typedef struct _XDisplay Display;

namespace harfnur::linux_ {

class X11Kuzatuv final : public QObject, public port::TugmaKuzatuvi {
public:
    X11Kuzatuv();
    ~X11Kuzatuv() override;
    // Raw events see every window, ours too, so the global monitor gets all
    // of them and a local one gets none: each tap counts once.
    std::optional<port::MonitorBelgisi> globalKuzat(std::uint64_t niqob, port::HodisaIshlovchisi i) override;
    std::optional<port::MonitorBelgisi> mahalliyKuzat(std::uint64_t niqob, port::HodisaIshlovchisi i) override;

private:
    bool ulan();
    void oqi();
    void takrorniOqi();  // the server's auto-repeat settings
    void ber(const TugmaHodisasi& h);

    Display* d_ = nullptr;
    int xiOpcode_ = 0;
    std::unique_ptr<QSocketNotifier> bildirgich_;
    struct Monitor {
        std::uint64_t niqob;
        port::HodisaIshlovchisi ishlovchi;
    };
    std::vector<Monitor> monitorlar_;
    std::uint64_t bayroqlar_ = 0;
    unsigned shiftlar_ = 0, boshqarish_ = 0, alt_ = 0, super_ = 0;  // modifier keys down
    // Normal keys held down, for their auto-repeat.
    struct Ushlangan {
        int kod;
        std::int64_t bosildi;  // X server ms
    };
    std::vector<Ushlangan> ushlangan_;
    std::int64_t oxirgiVaqt_ = 0;  // of the previous raw event
    TakrorSozlamasi takror_;
    unsigned char takroriy_[32] = {};  // per-key repeat bits
    int xkbHodisa_ = -1;
    port::MonitorBelgisi keyingi_ = 1;
};

}  // namespace harfnur::linux_
