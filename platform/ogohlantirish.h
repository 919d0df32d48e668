// A modal alert with one button.
#pragma once

#include <string>

namespace harfnur::port {

class Ogohlantirish {
public:
    virtual ~Ogohlantirish() = default;
    // Blocks until the button is pressed.
    virtual void korsat(const std::string& xabar, const std::string& izoh, const std::string& tugma) = 0;
};

}  // namespace harfnur::port
