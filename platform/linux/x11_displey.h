// The X display: whether there is one, and whether it offers what watching
// and posting keys need (XInput 2.1 raw events and XTEST).
#pragma once

#include <string>

typedef struct _XDisplay Display;

namespace harfnur::linux_ {

// Opens a connection of its own, or nullptr with the reason in `sabab`.
Display* displeyOch(std::string* sabab = nullptr);

// XInput 2.1 or later and XTEST on this connection.
bool kerakliKengaytmalarmi(Display* d);

}  // namespace harfnur::linux_
