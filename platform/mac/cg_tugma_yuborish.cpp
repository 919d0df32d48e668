#include "platform/mac/cg_tugma_yuborish.h"

#include <ApplicationServices/ApplicationServices.h>
#include <unistd.h>

#include "platform/mac/asosiy_ip.h"
#include "platform/mac/cf_egasi.h"
#include "platform/tugma_qadamlari.h"

namespace harfnur::mac {
namespace {

using Manba = CfEgasi<CGEventSourceRef>;
using Hodisa = CfEgasi<CGEventRef>;

// Between two events of one press, on the calling thread: a program that
// follows the modifier keys sees Command down before the letter arrives.
constexpr useconds_t qadamOraligi = 8'000;

// Main thread only: making a keyboard event reads the keyboard layout through
// the Text Input Sources services, which stop a process that asks them from
// another thread (after a layout change, for one).
void yubor(const TugmaQadami& q) {
    // A new source for every event, so it carries today's keyboard.
    const Manba manba(CGEventSourceCreate(kCGEventSourceStateHIDSystemState));
    const Hodisa h(CGEventCreateKeyboardEvent(manba.get(), q.kod, q.pastga));
    if (!h) return;
    if (q.modifikatormi) CGEventSetType(h.get(), kCGEventFlagsChanged);
    // The letter the shortcut means, not what the selected input source
    // (Cyrillic, say) would have made of the key.
    if (q.belgi) {
        const UniChar belgi = q.belgi;
        CGEventKeyboardSetUnicodeString(h.get(), 1, &belgi);
    }
    CGEventSetFlags(h.get(), CGEventFlags(q.bayroqlar));
    CGEventPost(kCGHIDEventTap, h.get());
}

}  // namespace

CgTugmaYuborish::CgTugmaYuborish(std::function<TugmaKodlari()> kodlar) : kodlar_(std::move(kodlar)) {}

void CgTugmaYuborish::bos(std::uint16_t kod, std::uint64_t bayroqlar) {
    std::vector<TugmaQadami> qadamlar;
    asosiyIpda([&] { qadamlar = bosishQadamlari(kodlar_(), kod, bayroqlar); });
    for (std::size_t i = 0; i < qadamlar.size(); ++i) {
        if (i) ::usleep(qadamOraligi);
        asosiyIpda([&q = qadamlar[i]] { yubor(q); });
    }
}

void CgTugmaYuborish::modifikator(std::uint16_t kod, bool pastga, std::uint64_t bayroqlar) {
    asosiyIpda([&] { yubor({kod, pastga, true, bayroqlar, 0}); });
}

std::uint64_t CgTugmaYuborish::ushlanganBayroqlar() {
    return CGEventSourceFlagsState(kCGEventSourceStateCombinedSessionState);
}

}  // namespace harfnur::mac
