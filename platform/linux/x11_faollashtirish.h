// Bringing a window to the front on X11. There is no application to
// activate there: the window manager raises and focuses windows, and a good
// one refuses a request that no recent user action stands behind. So the
// request carries the time of the user's action: the launcher's, from the
// startup id, or the X server's clock when the user asked just now.
#pragma once

#include <string_view>

class QWidget;

namespace harfnur::linux_ {

// The time in a startup id's "_TIME<digits>" ending, or 0.
unsigned long boshlashVaqti(std::string_view boshlashId);

// The X server's time now, or 0 when it cannot be read.
unsigned long serverVaqti();

// The next window brought forward asks for the focus with this time.
void faollashtirishVaqtiniQoy(unsigned long vaqt);

// Shows, raises and activates `w`; once it is mapped, asks the window
// manager (_NET_ACTIVE_WINDOW) with the time set above, if any.
void oldingaChiqar(QWidget* w);

}  // namespace harfnur::linux_
