// A serial queue: tasks run one at a time, in order, off the main thread.
#pragma once

#include <functional>

namespace harfnur::port {

class Navbat {
public:
    virtual ~Navbat() = default;
    virtual void qosh(std::function<void()> ish) = 0;  // returns at once
};

}  // namespace harfnur::port
