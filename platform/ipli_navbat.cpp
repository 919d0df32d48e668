#include "platform/ipli_navbat.h"

namespace harfnur {

IpliNavbat::IpliNavbat() : ip_([this] { ishla(); }) {}

IpliNavbat::~IpliNavbat() {
    {
        std::lock_guard l(m_);
        tugat_ = true;
    }
    cv_.notify_all();
    ip_.join();
}

void IpliNavbat::qosh(std::function<void()> ish) {
    {
        std::lock_guard l(m_);
        ishlar_.push_back(std::move(ish));
    }
    cv_.notify_one();
}

void IpliNavbat::kut() {
    std::unique_lock l(m_);
    bosh_.wait(l, [this] { return ishlar_.empty() && !band_; });
}

void IpliNavbat::ishla() {
    std::unique_lock l(m_);
    for (;;) {
        cv_.wait(l, [this] { return tugat_ || !ishlar_.empty(); });
        if (ishlar_.empty()) return;  // only when asked to finish
        std::function<void()> ish = std::move(ishlar_.front());
        ishlar_.pop_front();
        band_ = true;
        l.unlock();
        ish();
        l.lock();
        band_ = false;
        if (ishlar_.empty()) bosh_.notify_all();
    }
}

}  // namespace harfnur
