#include "tools/xarita.h"

#include <cerrno>

#ifndef _WIN32
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cstdint>
#endif

namespace harfnur::ogiruvchi {

#ifdef _WIN32

// Windows reads its inputs whole: a mapped file could not be replaced in place.
std::unique_ptr<Xarita> Xarita::och(int, std::size_t) {
    errno = ENOSYS;
    return nullptr;
}
Xarita::~Xarita() = default;
std::string_view Xarita::baytlar() const { return {}; }
void Xarita::qoyibYubor(std::string_view) const {}
bool Xarita::kesildimi() const { return false; }
bool xaritaniTuzat(const void*) { return false; }

#else

namespace {

// The mappings the SIGBUS handler may mend, read there through lock-free
// atomics only. A job in flight keeps one input alive, with at most two
// mappings (the file, and its decoded text in a temporary file); -j allows
// 1024 threads of two jobs each.
struct Orin {
    std::atomic<bool> band{false};
    std::atomic<std::uintptr_t> boshi{0}, oxiri{0};
    std::atomic<bool> kesildi{false};
};
constexpr int orinlar = 8192;
Orin royxat[orinlar];

const std::uintptr_t sahifa = std::uintptr_t(::sysconf(_SC_PAGESIZE));

std::uintptr_t songa(const void* p) { return reinterpret_cast<std::uintptr_t>(p); }

}  // namespace

std::unique_ptr<Xarita> Xarita::och(int fd, std::size_t hajm) {
    if (hajm == 0) {
        errno = EINVAL;
        return nullptr;
    }
    std::unique_ptr<Xarita> x(new Xarita);
    for (int i = 0; i < orinlar && x->orin_ < 0; ++i) {
        bool bosh = false;
        if (royxat[i].band.compare_exchange_strong(bosh, true)) x->orin_ = i;
    }
    if (x->orin_ < 0) {
        errno = ENOMEM;
        return nullptr;
    }
    void* p = ::mmap(nullptr, hajm, PROT_READ, MAP_PRIVATE, fd, 0);
    if (p == MAP_FAILED) return nullptr;
    ::madvise(p, hajm, MADV_SEQUENTIAL);
    x->fd_ = fd;
    x->boshi_ = p;
    x->hajm_ = hajm;
    x->uzunlik_ = (hajm + sahifa - 1) & ~(sahifa - 1);
    Orin& o = royxat[x->orin_];
    o.kesildi.store(false);
    o.oxiri.store(songa(p) + x->uzunlik_);
    o.boshi.store(songa(p));
    return x;
}

Xarita::~Xarita() {
    if (orin_ >= 0) {
        // Forgotten before it goes, so a fault in whatever is mapped there
        // next is not taken for ours.
        Orin& o = royxat[orin_];
        o.boshi.store(0);
        o.oxiri.store(0);
        o.band.store(false);
    }
    if (boshi_) ::munmap(boshi_, uzunlik_);
}

std::string_view Xarita::baytlar() const { return {static_cast<const char*>(boshi_), hajm_}; }

void Xarita::qoyibYubor(std::string_view qism) const {
    const std::uintptr_t boshi = songa(boshi_), oxiri = boshi + hajm_;
    std::uintptr_t b = std::max(songa(qism.data()), boshi), e = std::min(songa(qism.data()) + qism.size(), oxiri);
    if (b >= e) return;
    if (e == oxiri) e = boshi + uzunlik_;  // the last page's tail holds nothing else
    b &= ~(sahifa - 1);
    e &= ~(sahifa - 1);
    if (b < e) ::madvise(reinterpret_cast<void*>(b), e - b, MADV_DONTNEED);
}

bool Xarita::kesildimi() const {
    if (royxat[orin_].kesildi.load()) return true;
    // A cut inside the last page read gives zeros with no fault at all.
    struct stat h;
    return ::fstat(fd_, &h) == 0 && std::uintmax_t(h.st_size) < hajm_;
}

bool xaritaniTuzat(const void* manzil) {
    const std::uintptr_t a = songa(manzil);
    for (Orin& o : royxat) {
        if (!o.band.load()) continue;
        const std::uintptr_t boshi = o.boshi.load(), oxiri = o.oxiri.load();
        if (a < boshi || a >= oxiri) continue;
        // Every page past a cut faults; zeros up to the end in one call
        // spare a signal per page. MAP_FIXED swaps them in one step.
        const std::uintptr_t s = a & ~(sahifa - 1);
        if (::mmap(reinterpret_cast<void*>(s), oxiri - s, PROT_READ, MAP_PRIVATE | MAP_ANONYMOUS | MAP_FIXED, -1, 0) ==
            MAP_FAILED)
            return false;
        o.kesildi.store(true);
        return true;
    }
    return false;
}

#endif

}  // namespace harfnur::ogiruvchi
