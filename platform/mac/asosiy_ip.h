// Runs work on the main thread and waits for it.
#pragma once

#include <functional>

namespace harfnur::mac {

// Inline when already on the main thread; from any other thread it waits
// for the main run loop, which must not itself be waiting for the caller.
void asosiyIpda(const std::function<void()>& ish);

}  // namespace harfnur::mac
