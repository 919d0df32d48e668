// The serial conversion queue as a GCD queue labelled with the application's
// identifier. Tasks may be added from any thread.
#pragma once

#include <memory>
#include <string>

#include "platform/navbat.h"

namespace harfnur::mac {

class GcdNavbat final : public port::Navbat {
public:
    explicit GcdNavbat(const std::string& yorliq);
    ~GcdNavbat() override;  // the queue lives on while tasks remain
    void qosh(std::function<void()> ish) override;

private:
    struct Navbat;
    std::unique_ptr<Navbat> n_;
};

}  // namespace harfnur::mac
