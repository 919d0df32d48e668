#include "tools/toplovchi.h"

#include <unistd.h>
#ifdef _WIN32
#include <io.h>
#endif

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <utility>

#include "tools/vaqtincha_fayl.h"

namespace harfnur::ogiruvchi {

Toplovchi::Toplovchi(std::size_t chegara, std::string papka) : chegara_(chegara), papka_(std::move(papka)) {
#ifndef _WIN32
    if (papka_.empty()) papka_ = vaqtinchaPapka();
#endif
}

Toplovchi::~Toplovchi() {
    xarita_.reset();  // before its descriptor goes
    if (fd_ >= 0) ::close(fd_);
}

bool Toplovchi::qosh(std::string_view qism) {
    if (xato_) return false;
    if (fd_ >= 0) {
        hajm_ += qism.size();
        if (yozuvchi_.yoz(qism)) return true;
        xato_ = yozuvchi_.xato();
        return false;
    }
    const std::size_t kerak = hajm_ + qism.size();
    if (kerak > sigim_) {
        constexpr std::size_t engKami = std::size_t(1) << 16;
#ifdef _WIN32
        const std::size_t n = std::max({2 * sigim_, kerak, engKami});
#else
        if (kerak > chegara_) return tosh() && qosh(qism);
        std::size_t n = chegara_;
        while (n / 2 >= std::max(kerak, engKami)) n /= 2;
#endif
        std::unique_ptr<char[]> yangi(new char[n]);
        if (hajm_) std::memcpy(yangi.get(), bufer_.get(), hajm_);
        bufer_ = std::move(yangi);
        sigim_ = n;
    }
    if (!qism.empty()) std::memcpy(bufer_.get() + hajm_, qism.data(), qism.size());
    hajm_ = kerak;
    return true;
}

bool Toplovchi::tosh() {
#ifndef _WIN32
    fd_ = nomsizFaylOch(papka_);
    if (fd_ < 0) {
        xato_ = errno;
        return false;
    }
    yozuvchi_.fdniAlmashtir(fd_);
    const bool yozildi = yozuvchi_.yoz({bufer_.get(), hajm_});
    bufer_.reset();
    sigim_ = 0;
    if (!yozildi) xato_ = yozuvchi_.xato();
    return yozildi;
#else
    return true;
#endif
}

bool Toplovchi::tugat() {
    if (xato_) return false;
    if (fd_ < 0) {
        matn_ = std::string_view(bufer_.get(), hajm_);
        return true;
    }
    if (!yozuvchi_.yubor()) {
        xato_ = yozuvchi_.xato();
        return false;
    }
    xarita_ = Xarita::och(fd_, hajm_);
    if (!xarita_) {
        xato_ = errno;
        return false;
    }
    matn_ = xarita_->baytlar();
    return true;
}

}  // namespace harfnur::ogiruvchi
