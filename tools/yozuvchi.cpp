#include "tools/yozuvchi.h"

#include <unistd.h>

#include <cerrno>

#include "tools/konsol.h"

namespace harfnur::ogiruvchi {

namespace {
constexpr std::size_t chegara = 1 << 16;
}

FdYozuvchi::FdYozuvchi(int fd) : fd_(fd), konsol_(konsolmi(fd)) {}

void FdYozuvchi::fdniAlmashtir(int fd) {
    fd_ = fd;
    konsol_ = konsolmi(fd);
    qoldiq_.clear();
}

bool FdYozuvchi::yoz(std::string_view s) {
    if (xato_) return false;
    if (bufer_.size() + s.size() > chegara) {
        if (!yubor()) return false;
        if (s.size() > chegara) return yozBevosita(s);
    }
    bufer_.append(s);
    return true;
}

bool FdYozuvchi::yubor() {
    if (xato_) return false;
    const bool ok = yozBevosita(bufer_);
    bufer_.clear();
    return ok;
}

bool FdYozuvchi::yozBevosita(std::string_view s) {
    if (konsol_) {
        if (konsolgaYoz(fd_, s, qoldiq_)) return true;
        xato_ = EIO;
        return false;
    }
    while (!s.empty()) {
        const ssize_t n = ::write(fd_, s.data(), s.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            xato_ = errno;
            return false;
        }
        s.remove_prefix(std::size_t(n));
    }
    return true;
}

}  // namespace harfnur::ogiruvchi
