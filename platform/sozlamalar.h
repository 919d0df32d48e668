// The application's user defaults: Bool keys, false when absent.
#pragma once

#include <string_view>

namespace harfnur::port {

class Sozlamalar {
public:
    virtual ~Sozlamalar() = default;
    virtual bool mantiqiy(std::string_view kalit) = 0;
    virtual void yoz(std::string_view kalit, bool qiymat) = 0;
};

}  // namespace harfnur::port
