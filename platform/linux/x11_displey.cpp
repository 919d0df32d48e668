#include "platform/linux/x11_displey.h"

#include <X11/Xlib.h>
#include <X11/extensions/XInput2.h>
#include <X11/extensions/XTest.h>

#include <cstdlib>

namespace harfnur::linux_ {

Display* displeyOch(std::string* sabab) {
    const char* nom = std::getenv("DISPLAY");
    if (!nom || !*nom) {
        if (sabab)
            *sabab = std::getenv("WAYLAND_DISPLAY") ? "a Wayland session without XWayland (DISPLAY is not set)"
                                                    : "no X display (DISPLAY is not set)";
        return nullptr;
    }
    Display* d = XOpenDisplay(nom);
    if (!d && sabab) *sabab = std::string("cannot open the X display ") + nom;
    return d;
}

Kengaytmalar kengaytmalar(Display* d) {
    Kengaytmalar k;
    int opcode, hodisa, xato;
    if (XQueryExtension(d, "XInputExtension", &opcode, &hodisa, &xato)) {
        int katta = 2, kichik = 1;
        k.xinput = XIQueryVersion(d, &katta, &kichik) == Success && (katta > 2 || (katta == 2 && kichik >= 1));
    }
    int a, b, c, e;
    k.xtest = XTestQueryExtension(d, &a, &b, &c, &e);
    return k;
}

}  // namespace harfnur::linux_
