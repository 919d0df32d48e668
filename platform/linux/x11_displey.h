// The X display: whether there is one, and whether it offers what watching
// and posting keys need (XInput 2.1 raw events and XTEST).
#pragma once

#include <string>

typedef struct _XDisplay Display;

namespace harfnur::linux_ {

// Opens a connection of its own, or nullptr with the reason in `sabab`.
Display* displeyOch(std::string* sabab = nullptr);

// What this display offers of what Harfnur needs.
struct Kengaytmalar {
    bool xinput = false;  // XInput 2.1 or later: raw key events
    bool xtest = false;   // posting keys
};
Kengaytmalar kengaytmalar(Display* d);

// XInput 2.1 or later and XTEST on this connection.
inline bool kerakliKengaytmalarmi(Display* d) {
    const Kengaytmalar k = kengaytmalar(d);
    return k.xinput && k.xtest;
}

}  // namespace harfnur::linux_
