#include "platform/linux/x11_kuzatuv.h"

#include <QSocketNotifier>
#include <algorithm>
// X11 after Qt: its macros (None, Bool, ...) would break Qt's headers.
#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/extensions/XInput2.h>
#include <X11/keysym.h>

#include "platform/hodisa.h"
#include "platform/linux/x11_displey.h"

namespace harfnur::linux_ {
namespace {

// Modifier flags and the key codes of their flags-changed events.
constexpr std::uint64_t qulfBayrogi = 0x10000, boshqarishBayrogi = 0x40000, altBayrogi = 0x80000;

struct Modifikator {
    KeySym sym;
    std::uint16_t kod;
};
constexpr Modifikator modifikatorlar[] = {
    {XK_Shift_L, hodisa::chapShift}, {XK_Shift_R, hodisa::ongShift}, {XK_Control_L, 59}, {XK_Control_R, 62},
    {XK_Alt_L, 58},   {XK_Alt_R, 61},   {XK_ISO_Level3_Shift, 61},    {XK_Meta_L, 58},    {XK_Meta_R, 61},
    {XK_Super_L, 55}, {XK_Super_R, 54}, {XK_Caps_Lock, 57},
};

}  // namespace

X11Kuzatuv::X11Kuzatuv() = default;

X11Kuzatuv::~X11Kuzatuv() {
    bildirgich_.reset();
    if (d_) XCloseDisplay(d_);
}

bool X11Kuzatuv::ulan() {
    if (d_) return true;
    d_ = displeyOch();
    if (!d_) return false;
    int hodisa, xato;
    if (!kerakliKengaytmalarmi(d_) || !XQueryExtension(d_, "XInputExtension", &xiOpcode_, &hodisa, &xato)) {
        XCloseDisplay(d_);
        d_ = nullptr;
        return false;
    }
    unsigned char niqob[XIMaskLen(XI_LASTEVENT)] = {};
    XISetMask(niqob, XI_RawKeyPress);
    XISetMask(niqob, XI_RawKeyRelease);
    // Master devices only: selecting every device would repeat each key.
    XIEventMask em{XIAllMasterDevices, int(sizeof niqob), niqob};
    XISelectEvents(d_, DefaultRootWindow(d_), &em, 1);
    int xkbOpcode, xkbXato, katta = XkbMajorVersion, kichik = XkbMinorVersion;
    if (XkbQueryExtension(d_, &xkbOpcode, &xkbHodisa_, &xkbXato, &katta, &kichik))
        XkbSelectEvents(d_, XkbUseCoreKbd, XkbControlsNotifyMask, XkbControlsNotifyMask);
    takrorniOqi();
    XFlush(d_);
    bildirgich_ = std::make_unique<QSocketNotifier>(ConnectionNumber(d_), QSocketNotifier::Read);
    QObject::connect(bildirgich_.get(), &QSocketNotifier::activated, this, [this] { oqi(); });
    return true;
}

std::optional<port::MonitorBelgisi> X11Kuzatuv::globalKuzat(std::uint64_t niqob, port::HodisaIshlovchisi i) {
    if (!ulan()) return std::nullopt;
    monitorlar_.push_back({niqob, std::move(i)});
    return keyingi_++;
}

std::optional<port::MonitorBelgisi> X11Kuzatuv::mahalliyKuzat(std::uint64_t, port::HodisaIshlovchisi) {
    if (!ulan()) return std::nullopt;
    return keyingi_++;
}

void X11Kuzatuv::takrorniOqi() {
    XkbDescPtr x = XkbAllocKeyboard();
    if (!x) return;
    if (XkbGetControls(d_, XkbRepeatKeysMask | XkbPerKeyRepeatMask | XkbControlsEnabledMask, x) == Success &&
        x->ctrls) {
        takror_.yoqilgan = x->ctrls->enabled_ctrls & XkbRepeatKeysMask;
        takror_.kechikish = x->ctrls->repeat_delay;
        takror_.oraliq = x->ctrls->repeat_interval;
        std::copy(std::begin(x->ctrls->per_key_repeat), std::end(x->ctrls->per_key_repeat), takroriy_);
    }
    XkbFreeKeyboard(x, 0, True);
}

void X11Kuzatuv::ber(const TugmaHodisasi& h) {
    for (const Monitor& mon : monitorlar_)
        if (mon.niqob & (std::uint64_t{1} << h.tur)) mon.ishlovchi(h);
}

void X11Kuzatuv::oqi() {
    while (XPending(d_)) {
        XEvent e;
        XNextEvent(d_, &e);
        if (e.type == xkbHodisa_) {
            if (reinterpret_cast<const XkbAnyEvent&>(e).xkb_type == XkbControlsNotify) takrorniOqi();
            continue;
        }
        if (e.xcookie.type != GenericEvent || e.xcookie.extension != xiOpcode_) continue;
        if (!XGetEventData(d_, &e.xcookie)) continue;
        // Everything the event holds is copied out before its data is freed.
        const auto* r = static_cast<const XIRawEvent*>(e.xcookie.data);
        const bool pastga = e.xcookie.evtype == XI_RawKeyPress;
        const bool takror = pastga && (r->flags & XIKeyRepeat);
        const int tugmaKodi = r->detail;
        const auto ms = std::int64_t(r->time);
        XFreeEventData(d_, &e.xcookie);
        const KeySym sym = XkbKeycodeToKeysym(d_, KeyCode(tugmaKodi), 0, 0);
        const Modifikator* m = nullptr;
        for (const Modifikator& x : modifikatorlar)
            if (x.sym == sym) m = &x;

        // A normal key held since before the previous event has repeated
        // meanwhile: a key going down, as the server's repeats would be.
        std::optional<std::int64_t> songgi;
        int songgiKod = 0;
        for (const Ushlangan& u : ushlangan_) {
            if (u.kod > 255 || !(takroriy_[u.kod / 8] & (1u << (u.kod % 8)))) continue;
            const auto t = songgiTakror(takror_, u.bosildi, oxirgiVaqt_, ms);
            if (t && (!songgi || *t > *songgi)) songgi = t, songgiKod = u.kod;
        }
        oxirgiVaqt_ = ms;
        if (songgi) ber({hodisa::tugmaBosildi, std::uint16_t(songgiKod), bayroqlar_, double(*songgi) / 1000.0});
        if (!m) {
            std::erase_if(ushlangan_, [&](const Ushlangan& u) { return u.kod == tugmaKodi; });
            if (pastga) ushlangan_.push_back({tugmaKodi, ms});
        }
        if (takror && m) continue;  // a modifier's repeat is no new press

        TugmaHodisasi h;
        h.vaqt = double(ms) / 1000.0;
        if (m) {
            auto sana = [pastga](unsigned& n) { n = pastga ? n + 1 : (n ? n - 1 : 0); };
            switch (sym) {
                case XK_Shift_L: case XK_Shift_R: sana(shiftlar_); break;
                case XK_Control_L: case XK_Control_R: sana(boshqarish_); break;
                case XK_Super_L: case XK_Super_R: sana(super_); break;
                case XK_Caps_Lock: if (pastga) bayroqlar_ ^= qulfBayrogi; break;
                default: sana(alt_); break;
            }
            bayroqlar_ = (bayroqlar_ & qulfBayrogi) | (shiftlar_ ? hodisa::shiftBayrogi : 0) |
                         (boshqarish_ ? boshqarishBayrogi : 0) | (alt_ ? altBayrogi : 0) |
                         (super_ ? hodisa::buyruqBayrogi : 0);
            h.tur = hodisa::bayroqlarOzgardi;
            h.kod = m->kod;
            h.bayroqlar = bayroqlar_;
        } else {
            if (!pastga) continue;  // releases of normal keys are not watched
            h.tur = hodisa::tugmaBosildi;
            h.kod = std::uint16_t(tugmaKodi);
            h.bayroqlar = bayroqlar_;
        }
        ber(h);
    }
}

}  // namespace harfnur::linux_
