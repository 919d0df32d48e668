// Reads everything the CLIPBOARD's owner offers through the X selection
// protocol on a connection of its own, all formats within one time budget:
// a stopped or slow owner costs that budget, not Qt's five seconds a format.
#pragma once

#include <chrono>

#include "platform/bufer.h"

typedef struct _XDisplay Display;

namespace harfnur::linux_ {

class X11BuferOquvchi {
public:
    X11BuferOquvchi();  // opens its connection
    ~X11BuferOquvchi();
    X11BuferOquvchi(const X11BuferOquvchi&) = delete;
    X11BuferOquvchi& operator=(const X11BuferOquvchi&) = delete;

    // One thread at a time. Not on the thread that serves this program's own
    // selections (Qt's main thread): when this program is the owner, it
    // answers there while this waits.
    // Only the formats `kerakmi` picks are read (all when it is empty); the
    // names of all of them are listed.
    port::BuferNusxasi oqi(std::chrono::steady_clock::duration muddat, const port::TurTanlovi& kerakmi = {});

private:
    Display* d_ = nullptr;
};

}  // namespace harfnur::linux_
