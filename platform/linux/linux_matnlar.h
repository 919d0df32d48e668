// The guide's texts on Linux: what the display lacks and what the user can
// do about it, where the window is reached again, and what a Wayland
// session leaves out of reach.
#pragma once

#include "platform/matnlar.h"

namespace harfnur::linux_ {

struct LinuxMuhiti {
    bool xinput = true;    // XInput 2.1 on this display: the keys are seen
    bool xtest = true;     // XTEST on this display: keys can be posted
    bool wayland = false;  // a Wayland session, reached through XWayland
    bool panel = true;     // a system tray host was there at start
};

PlatformaMatnlari linuxMatnlari(const LinuxMuhiti& m);

}  // namespace harfnur::linux_
