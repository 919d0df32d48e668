// The serial queue as one worker thread of our own. Every backend uses it.
#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

#include "platform/navbat.h"

namespace harfnur {

class IpliNavbat final : public port::Navbat {
public:
    IpliNavbat();
    ~IpliNavbat() override;  // finishes the tasks already queued
    void qosh(std::function<void()> ish) override;
    // Blocks until every task queued so far has run (for tests and shutdown).
    void kut();

private:
    void ishla();
    std::mutex m_;
    std::condition_variable cv_;
    std::condition_variable bosh_;
    std::deque<std::function<void()>> ishlar_;
    bool band_ = false;
    bool tugat_ = false;
    std::thread ip_;
};

}  // namespace harfnur
