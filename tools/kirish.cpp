#include "tools/kirish.h"

#include <fcntl.h>
#include <unistd.h>
#ifdef _WIN32
#include <io.h>
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
    // A regular file is mapped: no copy, and its pages can be dropped again.
    // Anything else (a pipe, a terminal, an empty or special file) is read.
    if (!S_ISREG(k->holat_.st_mode) || k->holat_.st_size <= 0) {
        k->oqim_ = true;
        return k;
    }
#ifndef _WIN32
    k->xarita_ = Xarita::och(k->fd_, std::size_t(k->holat_.st_size));
    if (k->xarita_) {
        k->baytlar_ = k->xarita_->baytlar();
        if (!k->egasimi_) {
            // Standard input may have been read partly by whoever ran us.
            const off_t o = ::lseek(k->fd_, 0, SEEK_CUR);
            if (o > 0) k->baytlar_.remove_prefix(std::min(k->baytlar_.size(), std::size_t(o)));
        }
        return k;
    }
    // A file that will not map is read like a stream.
    k->oqim_ = true;
    return k;
#else
    // Windows reads even a regular file whole: a file kept open or mapped
    // could not be replaced by the converted one.
    char bufer[1 << 16];
    for (;;) {
        const ssize_t n = k->oqi(bufer, sizeof bufer);
        if (n == 0) break;
        if (n < 0) {
            xato = errno;
            return nullptr;
        }
        k->oqilgan_.append(bufer, std::size_t(n));
    }
    k->baytlar_ = k->oqilgan_;
    if (k->egasimi_) {
        ::close(k->fd_);
        k->egasimi_ = false;
        k->fd_ = -1;
    }
    return k;
#endif
}

ssize_t Kirish::oqi(char* bufer, std::size_t n) {
    for (;;) {
        const ssize_t r = ::read(fd_, bufer, n);
        if (r >= 0 || errno != EINTR) return r;
    }
}

void Kirish::qoyibYubor(std::string_view qism) const {
    if (xarita_) xarita_->qoyibYubor(qism);
}

Kirish::~Kirish() {
    xarita_.reset();  // before its descriptor goes
    if (egasimi_) ::close(fd_);
}

}  // namespace harfnur::ogiruvchi
