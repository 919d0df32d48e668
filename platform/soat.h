// Time for deadlines and pauses, and the wall clock for log lines. Deadlines
// are kept in whole microseconds so that a simulated clock hits them exactly.
#pragma once

#include <chrono>

namespace harfnur::port {

using Mikro = std::chrono::microseconds;

class Soat {
public:
    virtual ~Soat() = default;
    virtual Mikro hozir() = 0;                        // monotonic
    virtual void uxla(Mikro muddat) = 0;              // blocks the calling thread
    virtual std::chrono::system_clock::time_point sana() = 0;  // wall clock, for the log
};

}  // namespace harfnur::port
