#include "tools/vaqtincha_fayl.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <random>

#include "tools/xarita.h"

namespace harfnur::ogiruvchi {

namespace {

// Paths the signal handler removes: only async-signal-safe reads of them.
// At most the output's file, its backup, and a scratch file not yet unlinked.
constexpr int orinlar = 3;
char ochiriladi[orinlar][PATH_MAX + 32];
volatile std::sig_atomic_t bandmi[orinlar];

int qayd(const std::string& yol) {
    for (int i = 0; i < orinlar; ++i) {
        if (bandmi[i]) continue;
        std::memcpy(ochiriladi[i], yol.c_str(), std::min(yol.size() + 1, sizeof ochiriladi[i]));
        bandmi[i] = 1;
        return i;
    }
    return -1;
}
void qaydniOchir(int i) {
    if (i >= 0) bandmi[i] = 0;
}

extern "C" void signalKeldi(int sig) {
    for (int i = 0; i < orinlar; ++i)
        if (bandmi[i]) ::unlink(ochiriladi[i]);
    std::signal(sig, SIG_DFL);
    std::raise(sig);
}

extern "C" void sigbusKeldi(int sig, siginfo_t* m, void*) {
    const int e = errno;
    const bool tuzatildi = xaritaniTuzat(m->si_addr);
    errno = e;
    if (!tuzatildi) signalKeldi(sig);
}

std::string papkasi(const std::string& yol) {
    const std::size_t k = yol.rfind('/');
    return k == std::string::npos ? "." : k == 0 ? "/" : yol.substr(0, k);
}

// A temporary name beside `manzil`, created exclusively. The name is known
// to the signal handler before the file exists, so no moment leaves it behind.
int vaqtinchaOch(const std::string& manzil, std::string& yol, int& qaydRaqami) {
    const std::size_t k = manzil.rfind('/');
    const std::string papka = k == std::string::npos ? "" : manzil.substr(0, k + 1);
    const std::string nom = k == std::string::npos ? manzil : manzil.substr(k + 1);
    static std::mt19937_64 tasodif(std::random_device{}() ^ std::uint64_t(::getpid()) << 32);
    static const char harflar[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    for (int urinish = 0; urinish < 100; ++urinish) {
        std::string sinov = papka + "." + nom + ".harfnur-";
        for (int i = 0; i < 6; ++i) sinov += harflar[tasodif() % (sizeof harflar - 1)];
        qaydRaqami = qayd(sinov);
        const int fd = ::open(sinov.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd >= 0) {
            yol = sinov;
            return fd;
        }
        const int e = errno;
        qaydniOchir(qaydRaqami);
        qaydRaqami = -1;
        errno = e;
        if (e != EEXIST) return -1;
    }
    return -1;
}

bool toliqYoz(int fd, const char* p, std::size_t n) {
    while (n > 0) {
        const ssize_t k = ::write(fd, p, n);
        if (k < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        p += k;
        n -= std::size_t(k);
    }
    return true;
}

// The original's bytes kept as `zaxira`: a hard link where the file system
// allows it, a flushed copy otherwise, placed by rename either way.
bool zaxiraQil(const std::string& manzil, const std::string& zaxira, std::string& sabab) {
    std::string yol;
    int raqam = -1;
    const int fd = vaqtinchaOch(zaxira, yol, raqam);
    if (fd < 0) {
        sabab = std::string("cannot create the backup: ") + std::strerror(errno);
        return false;
    }
    ::close(fd);
    bool ok = ::unlink(yol.c_str()) == 0 && ::link(manzil.c_str(), yol.c_str()) == 0;
    if (!ok) {
        const int asl = ::open(manzil.c_str(), O_RDONLY | O_CLOEXEC);
        const int nusxa = ::open(yol.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        ok = asl >= 0 && nusxa >= 0;
        char bufer[1 << 16];
        for (ssize_t n; ok && (n = ::read(asl, bufer, sizeof bufer)) != 0;) ok = n > 0 && toliqYoz(nusxa, bufer, std::size_t(n));
        struct stat h;
        if (ok && ::fstat(asl, &h) == 0) ::fchmod(nusxa, h.st_mode & 07777);
        ok = ok && ::fsync(nusxa) == 0;
        if (asl >= 0) ::close(asl);
        if (nusxa >= 0) ok = ::close(nusxa) == 0 && ok;
    }
    ok = ok && ::rename(yol.c_str(), zaxira.c_str()) == 0;
    if (!ok) {
        sabab = std::string("cannot keep the backup: ") + std::strerror(errno);
        ::unlink(yol.c_str());
    }
    qaydniOchir(raqam);
    return ok;
}

}  // namespace

std::unique_ptr<VaqtinchaFayl> VaqtinchaFayl::yarat(const std::string& manzil, std::string& sabab) {
    std::unique_ptr<VaqtinchaFayl> f(new VaqtinchaFayl);
    f->manzil_ = manzil;
    f->fd_ = vaqtinchaOch(manzil, f->yol_, f->qayd_);
    if (f->fd_ < 0) {
        sabab = std::string("cannot create a temporary file: ") + std::strerror(errno);
        return nullptr;
    }
    return f;
}

VaqtinchaFayl::~VaqtinchaFayl() {
    if (fd_ >= 0) ::close(fd_);
    if (!yol_.empty()) ::unlink(yol_.c_str());
    qaydniOchir(qayd_);
}

bool VaqtinchaFayl::joyigaQoy(const struct stat* asl, const std::optional<std::string>& zaxira, std::string& sabab) {
    auto xato = [&](const char* nima) {
        sabab = std::string(nima) + std::strerror(errno);
        return false;
    };
    if (asl) {
        // The owner first: changing it may clear set-id bits that the mode then restores.
        if (::fchown(fd_, asl->st_uid, asl->st_gid) != 0 && errno != EPERM) return xato("cannot set the owner: ");
        if (::fchmod(fd_, asl->st_mode & 07777) != 0) return xato("cannot set the mode: ");
    } else {
        // A new file gets the mode any new file would.
        const mode_t maska = ::umask(0);
        ::umask(maska);
        if (::fchmod(fd_, 0666 & ~maska) != 0) return xato("cannot set the mode: ");
    }
    if (::fsync(fd_) != 0) return xato("cannot write: ");
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0) return xato("cannot write: ");
    if (zaxira && !zaxiraQil(manzil_, manzil_ + *zaxira, sabab)) return false;
    if (::rename(yol_.c_str(), manzil_.c_str()) != 0) return xato("cannot replace the file: ");
    yol_.clear();
    // The rename itself reaches the disk with the folder.
    const int papka = ::open(papkasi(manzil_).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (papka >= 0) {
        ::fsync(papka);
        ::close(papka);
    }
    return true;
}

void signallarniOrnat() {
    for (int s : {SIGINT, SIGTERM, SIGHUP}) std::signal(s, signalKeldi);
    struct sigaction a {};
    a.sa_sigaction = sigbusKeldi;
    a.sa_flags = SA_SIGINFO;
    sigemptyset(&a.sa_mask);
    ::sigaction(SIGBUS, &a, nullptr);
    std::signal(SIGXFSZ, SIG_IGN);
}

std::string vaqtinchaPapka() {
    const char* t = std::getenv("TMPDIR");
    return t && *t ? t : "/tmp";
}

int nomsizFaylOch(const std::string& papka) {
#ifdef O_TMPFILE
    // Linux makes it with no name at all, where the file system allows.
    const int fd = ::open(papka.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
    if (fd >= 0 || (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL)) return fd;
#endif
    // Elsewhere the signal handler knows the name for the moment it exists.
    std::string yol;
    int raqam = -1;
    const int f = vaqtinchaOch(papka + "/harfnur-ogir", yol, raqam);
    if (f >= 0) ::unlink(yol.c_str());
    qaydniOchir(raqam);
    return f;
}

}  // namespace harfnur::ogiruvchi
