#include "tools/chiqish.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

#include "tools/fayl_tizimi.h"

namespace harfnur::ogiruvchi {

Chiqish::~Chiqish() {
    if (ozi_ >= 0) ::close(ozi_);
}

bool Chiqish::och(const std::string& yol, std::string& sabab) {
    if (yol.empty()) return true;
    yol_ = nom_ = yol;
    // A symlink is followed: its target gets the output.
    manzil_ = haqiqiyYol(yol);
    if (manzil_.empty()) manzil_ = yol;
    struct stat h;
    if (holatiniOl(manzil_, h) == 0 && !S_ISREG(h.st_mode)) {
        if (S_ISDIR(h.st_mode)) {
            sabab = "Is a directory";
            return false;
        }
        ozi_ = faylniOch(manzil_, O_WRONLY);
        if (ozi_ < 0) sabab = std::strerror(errno);
        return ozi_ >= 0;
    }
    vaqtincha_ = VaqtinchaFayl::yarat(manzil_, sabab);
    return vaqtincha_ != nullptr;
}

int Chiqish::fd() const {
    if (vaqtincha_) return vaqtincha_->fd();
    return ozi_ >= 0 ? ozi_ : STDOUT_FILENO;
}

bool Chiqish::yakunla(std::string& sabab) {
    if (ozi_ >= 0) {
        const int fd = ozi_;
        ozi_ = -1;
        if (::close(fd) != 0) {
            sabab = std::string("cannot write: ") + std::strerror(errno);
            return false;
        }
        return true;
    }
    if (!vaqtincha_) return true;
    struct stat asl;
    const bool bormi = holatiniOl(manzil_, asl) == 0;
    const bool oldi = vaqtincha_->joyigaQoy(bormi ? &asl : nullptr, std::nullopt, sabab);
    vaqtincha_.reset();
    return oldi;
}

}  // namespace harfnur::ogiruvchi
