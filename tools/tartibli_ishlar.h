// Jobs run on several threads, their results taken back in the order given.
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "engine/ogir.h"

namespace harfnur::ogiruvchi {

class TartibliIshlar {
public:
    // Where a job leaves its result; reused, so its buffer keeps its capacity.
    struct Joy {
        std::string chiqish;
        HarfSanogi sanoq;
    };
    using Ish = std::function<void(Joy&)>;

    // With one thread or fewer every job runs inside qosh, on the caller's
    // thread. Otherwise at most 2 x iplar results wait at a time, which
    // bounds the memory held.
    explicit TartibliIshlar(unsigned iplar);
    ~TartibliIshlar();
    TartibliIshlar(const TartibliIshlar&) = delete;
    TartibliIshlar& operator=(const TartibliIshlar&) = delete;

    // Queues `ish`; `ol` gets its result on the calling thread, after the
    // results of every job queued before it (from qosh or kut).
    void qosh(Ish ish, Ish ol);
    // Hands over every result still waiting.
    void kut();
    // Jobs not yet started are skipped from now on (their `ol` still runs,
    // with whatever the place held): the output they were for has failed.
    void toxtat() { toxtadi_.store(true, std::memory_order_relaxed); }
    unsigned iplar() const { return unsigned(ishchilar_.size()); }

private:
    void ishla();
    void birniOl();

    struct Orin {
        Joy joy;
        Ish ish, ol;
        bool tayyor = false;
    };
    std::vector<Orin> orinlar_;
    std::vector<std::thread> ishchilar_;
    std::mutex m_;
    std::condition_variable ishBor_, natijaBor_;
    std::size_t qoshilgan_ = 0, berilgan_ = 0, olingan_ = 0;
    bool tugadi_ = false;
    std::atomic<bool> toxtadi_{false};
    Joy yakka_;  // the one place when jobs run in qosh
};

}  // namespace harfnur::ogiruvchi
