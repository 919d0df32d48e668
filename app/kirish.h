// The program's two ways to run: the menu-bar application, or the self-test.
#pragma once

#include <iosfwd>

#include "platform/ilova_platformasi.h"

namespace harfnur {

inline constexpr const char* sinovKaliti = "--sinov-ikki-shift";

// Whether any argument, the program's path included, is exactly the switch.
bool sinovmi(int argc, const char* const* argv);

// Plays a double Shift press into the desktop, waits for a running Harfnur
// to convert the focused field, then selects and copies the field and
// prints "NATIJA: " and the pasteboard's text. Always returns 0.
int sinovIkkiShift(const Platforma& p, std::ostream& chiqish);

// Starts the application: accessory policy, the one delegate, the event loop.
int ishgaTushir(const IlovaPlatformasi& p);

}  // namespace harfnur
