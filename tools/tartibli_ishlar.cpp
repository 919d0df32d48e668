#include "tools/tartibli_ishlar.h"

namespace harfnur::ogiruvchi {

TartibliIshlar::TartibliIshlar(unsigned iplar) {
    if (iplar <= 1) return;
    orinlar_.resize(2 * std::size_t(iplar));
    for (unsigned i = 0; i < iplar; ++i) ishchilar_.emplace_back([this] { ishla(); });
}

TartibliIshlar::~TartibliIshlar() {
    {
        std::lock_guard<std::mutex> q(m_);
        tugadi_ = true;
    }
    ishBor_.notify_all();
    for (std::thread& t : ishchilar_) t.join();
}

void TartibliIshlar::qosh(Ish ish, Ish ol) {
    if (ishchilar_.empty()) {
        if (!toxtadi_.load(std::memory_order_relaxed)) ish(yakka_);
        ol(yakka_);
        return;
    }
    while (qoshilgan_ - olingan_ == orinlar_.size()) birniOl();
    {
        std::lock_guard<std::mutex> q(m_);
        Orin& o = orinlar_[qoshilgan_ % orinlar_.size()];
        o.ish = std::move(ish);
        o.ol = std::move(ol);
        o.tayyor = false;
        ++qoshilgan_;
    }
    ishBor_.notify_one();
}

void TartibliIshlar::kut() {
    while (olingan_ < qoshilgan_) birniOl();
}

void TartibliIshlar::birniOl() {
    Orin& o = orinlar_[olingan_ % orinlar_.size()];
    {
        std::unique_lock<std::mutex> q(m_);
        natijaBor_.wait(q, [&o] { return o.tayyor; });
    }
    // The place is not handed to another job before olingan_ moves on, and
    // only this thread moves it.
    o.ol(o.joy);
    o.ish = nullptr;
    o.ol = nullptr;
    std::lock_guard<std::mutex> q(m_);
    ++olingan_;
}

void TartibliIshlar::ishla() {
    for (;;) {
        Orin* o;
        {
            std::unique_lock<std::mutex> q(m_);
            ishBor_.wait(q, [this] { return tugadi_ || berilgan_ < qoshilgan_; });
            if (berilgan_ == qoshilgan_) return;
            o = &orinlar_[berilgan_++ % orinlar_.size()];
        }
        if (!toxtadi_.load(std::memory_order_relaxed)) o->ish(o->joy);
        {
            std::lock_guard<std::mutex> q(m_);
            o->tayyor = true;
        }
        natijaBor_.notify_one();
    }
}

}  // namespace harfnur::ogiruvchi
