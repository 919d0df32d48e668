#include "platform/mac/cg_tugma_yuborish.h"

#include <ApplicationServices/ApplicationServices.h>

#include "platform/mac/cf_egasi.h"

namespace harfnur::mac {
namespace {

using Manba = CfEgasi<CGEventSourceRef>;
using Hodisa = CfEgasi<CGEventRef>;

void yubor(const Hodisa& h, std::uint64_t bayroqlar) {
    CGEventSetFlags(h.get(), CGEventFlags(bayroqlar));
    CGEventPost(kCGHIDEventTap, h.get());
}

}  // namespace

CgTugmaYuborish::CgTugmaYuborish(std::function<TugmaKodlari()> kodlar) : kodlar_(std::move(kodlar)) {
    // The first keyboard event of a process reads the keyboard layout, which
    // recent systems allow on the main thread only: make it here, not on the
    // conversion queue.
    const Hodisa birinchi(CGEventCreateKeyboardEvent(nullptr, 0, true));
}

void CgTugmaYuborish::bos(std::uint16_t kod, std::uint64_t bayroqlar) {
    const CGKeyCode tugma = kodlar_().kodi(kod);
    // A new source for every press; events are still made without one.
    const Manba manba(CGEventSourceCreate(kCGEventSourceStateHIDSystemState));
    for (const bool pastga : {true, false}) {
        const Hodisa h(CGEventCreateKeyboardEvent(manba.get(), tugma, pastga));
        if (h) yubor(h, bayroqlar);
    }
}

void CgTugmaYuborish::modifikator(std::uint16_t kod, bool pastga, std::uint64_t bayroqlar) {
    const Manba manba(CGEventSourceCreate(kCGEventSourceStateHIDSystemState));
    const Hodisa h(CGEventCreateKeyboardEvent(manba.get(), kod, pastga));
    if (!h) return;
    CGEventSetType(h.get(), kCGEventFlagsChanged);
    yubor(h, bayroqlar);
}

std::uint64_t CgTugmaYuborish::ushlanganBayroqlar() {
    return CGEventSourceFlagsState(kCGEventSourceStateCombinedSessionState);
}

}  // namespace harfnur::mac
