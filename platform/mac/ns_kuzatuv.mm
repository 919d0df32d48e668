#include "platform/mac/ns_kuzatuv.h"

#import <AppKit/AppKit.h>

namespace harfnur::mac {

struct NsKuzatuv::Monitorlar {
    NSMutableArray* tokenlar = [NSMutableArray array];
    port::MonitorBelgisi keyingi = 1;
};

namespace {

TugmaHodisasi hodisasi(NSEvent* e) {
    TugmaHodisasi h;
    h.tur = std::uint16_t(e.type);
    // keyCode raises an exception on any event that is not a key event.
    if (e.type == NSEventTypeKeyDown || e.type == NSEventTypeFlagsChanged) h.kod = e.keyCode;
    h.bayroqlar = e.modifierFlags;
    h.vaqt = e.timestamp;  // seconds since start-up, the clock's own base
    return h;
}

}  // namespace

NsKuzatuv::NsKuzatuv() : m_(std::make_unique<Monitorlar>()) {}

NsKuzatuv::~NsKuzatuv() {
    for (id t in m_->tokenlar) [NSEvent removeMonitor:t];  // each once
}

std::optional<port::MonitorBelgisi> NsKuzatuv::globalKuzat(std::uint64_t niqob, port::HodisaIshlovchisi i) {
    id t = [NSEvent addGlobalMonitorForEventsMatchingMask:NSEventMask(niqob)
                                                  handler:^(NSEvent* e) {
                                                    i(hodisasi(e));
                                                  }];
    if (!t) return std::nullopt;
    [m_->tokenlar addObject:t];
    return m_->keyingi++;
}

std::optional<port::MonitorBelgisi> NsKuzatuv::mahalliyKuzat(std::uint64_t niqob, port::HodisaIshlovchisi i) {
    id t = [NSEvent addLocalMonitorForEventsMatchingMask:NSEventMask(niqob)
                                                 handler:^NSEvent*(NSEvent* e) {
                                                   i(hodisasi(e));
                                                   return e;  // never swallowed
                                                 }];
    if (!t) return std::nullopt;
    [m_->tokenlar addObject:t];
    return m_->keyingi++;
}

}  // namespace harfnur::mac
