// The system log (not the application's own log file).
#pragma once

#include <string>

namespace harfnur::port {

class TizimJurnali {
public:
    virtual ~TizimJurnali() = default;
    virtual void yoz(const std::string& satr) = 0;
};

}  // namespace harfnur::port
