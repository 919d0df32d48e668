#include "tools/kirish.h"

#include <fcntl.h>
#include <unistd.h>
#ifdef _WIN32
#include <io.h>
#else
#include <sys/mman.h>
#endif

#include <algorithm>
#include <cerrno>

#include "tools/fayl_tizimi.h"

namespace harfnur::ogiruvchi {

std::unique_ptr<Kirish> Kirish::och(const std::string& yol, int& xato) {
    std::unique_ptr<Kirish> k(new Kirish);
    if (yol == "-") {
        k->fd_ = STDIN_FILENO;
    } else {
        k->fd_ = faylniOch(yol, O_RDONLY);
        if (k->fd_ < 0) {
            xato = errno;
            return nullptr;
        }
        k->egasimi_ = true;
    }
    if (::fstat(k->fd_, &k->holat_) != 0) {
        xato = errno;
        return nullptr;
    }
    if (S_ISDIR(k->holat_.st_mode)) {
        xato = EISDIR;
        return nullptr;
    }
    kimligi(k->fd_, k->kimlik_);
#ifndef _WIN32
    // A regular file is mapped: no copy, and its pages can be dropped again.
    // Anything else (a pipe, a terminal, an empty or special file) is read.
    if (S_ISREG(k->holat_.st_mode) && k->holat_.st_size > 0) {
        const std::size_t n = std::size_t(k->holat_.st_size);
        void* p = ::mmap(nullptr, n, PROT_READ, MAP_PRIVATE, k->fd_, 0);
        if (p != MAP_FAILED) {
            ::madvise(p, n, MADV_SEQUENTIAL);
            k->xarita_ = p;
            k->xaritaHajmi_ = n;
            k->matn_ = std::string_view(static_cast<const char*>(p), n);
            if (!k->egasimi_) {
                // Standard input may have been read partly by whoever ran us.
                const off_t o = ::lseek(k->fd_, 0, SEEK_CUR);
                if (o > 0) k->matn_.remove_prefix(std::min(n, std::size_t(o)));
            }
            return k;
        }
    }
#endif
    // Windows reads even a regular file whole: a file kept open or mapped
    // could not be replaced by the converted one.
    char bufer[1 << 16];
    for (;;) {
        const ssize_t n = ::read(k->fd_, bufer, sizeof bufer);
        if (n == 0) break;
        if (n < 0) {
            if (errno == EINTR) continue;
            xato = errno;
            return nullptr;
        }
        k->oqilgan_.append(bufer, std::size_t(n));
    }
    k->matn_ = k->oqilgan_;
#ifdef _WIN32
    if (k->egasimi_) {
        ::close(k->fd_);
        k->egasimi_ = false;
        k->fd_ = -1;
    }
#endif
    return k;
}

Kirish::~Kirish() {
#ifndef _WIN32
    if (xarita_) ::munmap(xarita_, xaritaHajmi_);
#endif
    if (egasimi_) ::close(fd_);
}

}  // namespace harfnur::ogiruvchi
