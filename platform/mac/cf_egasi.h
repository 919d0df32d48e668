// Owns one Core Foundation object (a "Create" or "Copy" result) and releases
// it when it goes, so no early return can leak it.
#pragma once

#include <CoreFoundation/CoreFoundation.h>

#include <utility>

namespace harfnur::mac {

template <class T>
class CfEgasi {
public:
    explicit CfEgasi(T obyekt = nullptr) : o_(obyekt) {}
    ~CfEgasi() {
        if (o_) CFRelease(o_);
    }
    CfEgasi(const CfEgasi&) = delete;
    CfEgasi& operator=(const CfEgasi&) = delete;
    CfEgasi(CfEgasi&& b) noexcept : o_(std::exchange(b.o_, nullptr)) {}

    T get() const { return o_; }
    explicit operator bool() const { return o_ != nullptr; }

private:
    T o_;
};

}  // namespace harfnur::mac
