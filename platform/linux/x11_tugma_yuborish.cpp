#include "platform/linux/x11_tugma_yuborish.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstddef>
#include <optional>
#include <thread>

#include "platform/hodisa.h"
#include "platform/linux/qoyish_kutishi.h"
#include "platform/linux/x11_displey.h"

namespace harfnur::linux_ {
namespace {

std::string kichik(std::string s) {
    for (char& c : s) c = char(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

KeySym harfi(std::uint16_t kod) {
    switch (kod) {
        case hodisa::kodA: return XK_a;
        case hodisa::kodC: return XK_c;
        case hodisa::kodV: return XK_v;
        default: return NoSymbol;
    }
}

}  // namespace

IjaraTugma::IjaraTugma(Display* d, KeySym sym) : d_(d) {
    int bosh = 0, oxir = 0;
    XDisplayKeycodes(d_, &bosh, &oxir);
    xarita_ = XGetKeyboardMapping(d_, KeyCode(bosh), oxir - bosh + 1, &kenglik_);
    if (!xarita_ || kenglik_ < 1) return;
    for (int k = oxir; k >= bosh; --k) {
        KeySym* q = xarita_ + std::ptrdiff_t(k - bosh) * kenglik_;
        if (std::all_of(q, q + kenglik_, [](KeySym x) { return x == NoSymbol; })) {
            kod_ = KeyCode(k);
            eski_ = q;
            break;
        }
    }
    if (!kod_) return;
    // Both levels, as on a real key: with Shift it must read as "C", or a
    // terminal takes Control+Shift for a plain Control+C and interrupts.
    KeySym yangi[2];
    XConvertCase(sym, &yangi[0], &yangi[1]);
    XChangeKeyboardMapping(d_, kod_, 2, yangi, 1);
    XSync(d_, False);
    // Clients reload their keymap on the MappingNotify: let them first.
    std::this_thread::sleep_for(std::chrono::milliseconds(60));
}

void IjaraTugma::bosildi() { bosildimi_ = true; }

IjaraTugma::~IjaraTugma() {
    if (kod_) {
        // A press must be taken under the lent letter before it goes.
        if (bosildimi_) std::this_thread::sleep_for(std::chrono::milliseconds(60));
        XChangeKeyboardMapping(d_, kod_, kenglik_, eski_, 1);
        XSync(d_, False);
    }
    if (xarita_) XFree(xarita_);
}

std::vector<std::string> standartTerminallar() {
    return {"xterm",   "uxterm",         "urxvt",         "rxvt",  "st",      "st-256color",
            "alacritty", "kitty",        "foot",          "footclient", "gnome-terminal",
            "gnome-terminal-server",     "konsole",       "xfce4-terminal", "tilix", "terminator"};
}

X11TugmaYuborish::X11TugmaYuborish(std::vector<std::string> terminallar) : terminallar_(std::move(terminallar)) {
    for (auto& t : terminallar_) t = kichik(t);
    d_ = displeyOch();
}

X11TugmaYuborish::~X11TugmaYuborish() {
    if (d_) XCloseDisplay(d_);
}

std::vector<std::string> X11TugmaYuborish::oldingiOynaSinfi() {
    std::vector<std::string> r;
    if (!d_) return r;
    const Atom faol = XInternAtom(d_, "_NET_ACTIVE_WINDOW", True);
    Window w = None;
    if (faol != None) {
        Atom tur;
        int format;
        unsigned long n, qolgan;
        unsigned char* q = nullptr;
        if (XGetWindowProperty(d_, DefaultRootWindow(d_), faol, 0, 1, False, XA_WINDOW, &tur, &format, &n, &qolgan,
                               &q) == Success &&
            q) {
            if (n == 1) w = *reinterpret_cast<Window*>(q);
            XFree(q);
        }
    }
    if (w == None) {
        int qaytish;
        XGetInputFocus(d_, &w, &qaytish);
    }
    // The focus may sit in a child window: climb to the one with a class.
    for (int qadam = 0; w != None && w != PointerRoot && qadam < 16; ++qadam) {
        XClassHint h{};
        if (XGetClassHint(d_, w, &h)) {
            if (h.res_name) r.push_back(kichik(h.res_name)), XFree(h.res_name);
            if (h.res_class) r.push_back(kichik(h.res_class)), XFree(h.res_class);
            return r;
        }
        Window ildiz, ota, *bolalar = nullptr;
        unsigned nb;
        if (!XQueryTree(d_, w, &ildiz, &ota, &bolalar, &nb)) break;
        if (bolalar) XFree(bolalar);
        if (ota == ildiz) break;
        w = ota;
    }
    return r;
}

bool X11TugmaYuborish::terminalmi() {
    for (const std::string& s : oldingiOynaSinfi())
        if (std::find(terminallar_.begin(), terminallar_.end(), s) != terminallar_.end()) return true;
    return false;
}

std::vector<unsigned char> X11TugmaYuborish::ushlanganModifikatorlar() {
    std::vector<unsigned char> r;
    char xarita[32];
    XQueryKeymap(d_, xarita);
    XModifierKeymap* m = XGetModifierMapping(d_);
    if (!m) return r;
    for (int i = 0; i < 8 * m->max_keypermod; ++i) {
        const unsigned char k = m->modifiermap[i];
        if (k && (xarita[k / 8] & (1 << (k % 8))) && std::find(r.begin(), r.end(), k) == r.end()) r.push_back(k);
    }
    XFreeModifiermap(m);
    return r;
}

void X11TugmaYuborish::tugmaYubor(unsigned kod, bool pastga) { XTestFakeKeyEvent(d_, kod, pastga, CurrentTime); }

void X11TugmaYuborish::bos(std::uint16_t kod, std::uint64_t bayroqlar) {
    std::lock_guard l(m_);
    if (!d_) return;
    const KeySym sym = harfi(kod);
    if (sym == NoSymbol) return;  // a press that cannot be made is dropped
    bool shift = bayroqlar & hodisa::shiftBayrogi;
    if (kod == hodisa::kodC) oxirgiNusxa_ = std::chrono::steady_clock::now();
    if (terminalmi()) {
        if (kod == hodisa::kodA) return;  // never select everything in a terminal
        shift = true;                     // Control+C would interrupt the program there
    }
    KeyCode tugma = XKeysymToKeycode(d_, sym);
    // A layout without Latin letters (Cyrillic alone): lend the letter to a
    // key that has no symbol, for this one press.
    std::optional<IjaraTugma> ijara;
    if (!tugma) {
        ijara.emplace(d_, sym);
        tugma = ijara->kod();
        if (!tugma) return;
    }
    std::vector<unsigned> kerak;
    if (bayroqlar & hodisa::buyruqBayrogi) kerak.push_back(XKeysymToKeycode(d_, XK_Control_L));
    if (shift) kerak.push_back(XKeysymToKeycode(d_, XK_Shift_L));

    // Lift what the user holds, press exactly our modifiers, then put back.
    const std::vector<unsigned char> ushlangan = ushlanganModifikatorlar();
    for (unsigned char k : ushlangan) tugmaYubor(k, false);
    for (unsigned k : kerak) tugmaYubor(k, true);
    tugmaYubor(tugma, true);
    tugmaYubor(tugma, false);
    for (auto i = kerak.rbegin(); i != kerak.rend(); ++i) tugmaYubor(*i, false);
    for (unsigned char k : ushlangan) tugmaYubor(k, true);
    XSync(d_, False);
    if (ijara) ijara->bosildi();
}

void X11TugmaYuborish::qoyishdanOldin() {
    std::chrono::milliseconds kut{0};
    {
        std::lock_guard l(m_);
        if (!d_) return;
        kut = qoyishKutishi(oldingiOynaSinfi(), std::chrono::duration_cast<std::chrono::milliseconds>(
                                                    std::chrono::steady_clock::now() - oxirgiNusxa_));
    }
    std::this_thread::sleep_for(kut);
}

void X11TugmaYuborish::modifikator(std::uint16_t kod, bool pastga, std::uint64_t) {
    std::lock_guard l(m_);
    if (!d_) return;
    const KeySym sym = kod == hodisa::ongShift ? XK_Shift_R : XK_Shift_L;
    if (kod != hodisa::chapShift && kod != hodisa::ongShift) return;
    tugmaYubor(XKeysymToKeycode(d_, sym), pastga);
    XSync(d_, False);
}

std::uint64_t X11TugmaYuborish::ushlanganBayroqlar() {
    std::lock_guard l(m_);
    if (!d_) return 0;
    Window ildiz, bola;
    int a, b, c, e;
    unsigned holat = 0;
    XQueryPointer(d_, DefaultRootWindow(d_), &ildiz, &bola, &a, &b, &c, &e, &holat);
    std::uint64_t r = 0;
    if (holat & ShiftMask) r |= hodisa::shiftBayrogi;
    if (holat & ControlMask) r |= hodisa::buyruqBayrogi;
    return r;
}

}  // namespace harfnur::linux_
