// A file mapped read-only. Pages already read can be let go again, so a pass
// over a large file keeps little of it resident. A file cut short by another
// program reads as zeros past its new end instead of killing the process with
// SIGBUS, and the mapping says so: the zeros must never reach an output.
#pragma once

#include <cstddef>
#include <memory>
#include <string_view>

namespace harfnur::ogiruvchi {

class Xarita {
public:
    // The first `hajm` bytes of `fd`, which must stay open while the mapping
    // lives. Nothing, with errno set, when they cannot be mapped (Windows
    // maps nothing).
    static std::unique_ptr<Xarita> och(int fd, std::size_t hajm);
    ~Xarita();
    Xarita(const Xarita&) = delete;
    Xarita& operator=(const Xarita&) = delete;

    std::string_view baytlar() const;
    // For parts done with in order: the pages of `qism` leave memory, from
    // the one it starts in (the part before is done) up to the one it ends
    // in, which the next part may still read. Read again, they come back
    // from the file. Any part of `qism` outside the mapping is ignored.
    void qoyibYubor(std::string_view qism) const;
    // The file shrank below the mapping, or a read past its end was caught:
    // some bytes read may be zeros that were never in it.
    bool kesildimi() const;

private:
    Xarita() = default;
    int fd_ = -1;
    void* boshi_ = nullptr;
    std::size_t hajm_ = 0, uzunlik_ = 0;  // the bytes, and the pages they span
    int orin_ = -1;                       // its slot among the mappings the SIGBUS handler knows
};

// For the SIGBUS handler: when `manzil` lies in a live mapping, zero pages
// replace it from that page to its end, the mapping is marked cut short, and
// true is returned, so the read can be retried. Async-signal-safe.
bool xaritaniTuzat(const void* manzil);

}  // namespace harfnur::ogiruvchi
