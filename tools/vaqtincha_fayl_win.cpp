// The Windows side of VaqtinchaFayl: the same steps through Win32, since
// rename() there refuses an existing target and names are UTF-16.
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cerrno>
#include <csignal>
#include <cstdint>
#include <cstring>
#include <random>

#include "tools/fayl_tizimi.h"
#include "tools/vaqtincha_fayl.h"

namespace harfnur::ogiruvchi {

namespace {

// Names the signal handler removes. Windows runs the handler on a thread of
// its own, so it may call DeleteFileW; the file was opened sharing deletion.
constexpr int orinlar = 2;
constexpr std::size_t uzunlik = 32768;
wchar_t ochiriladi[orinlar][uzunlik];
volatile std::sig_atomic_t bandmi[orinlar];

int qayd(const std::wstring& yol) {
    if (yol.size() >= uzunlik) return -1;
    for (int i = 0; i < orinlar; ++i) {
        if (bandmi[i]) continue;
        std::wmemcpy(ochiriladi[i], yol.c_str(), yol.size() + 1);
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
        if (bandmi[i]) ::DeleteFileW(ochiriladi[i]);
    std::signal(sig, SIG_DFL);
    std::raise(sig);
}

std::string oxirgiXato(const char* nima) {
    errno = errnoga(::GetLastError());
    return std::string(nima) + std::strerror(errno);
}

// A temporary name beside `manzil`, created exclusively, as a descriptor.
int vaqtinchaOch(const std::string& manzil, std::wstring& yol, int& qaydRaqami) {
    const std::size_t k = manzil.find_last_of("/\\");
    const std::string papka = k == std::string::npos ? "" : manzil.substr(0, k + 1);
    const std::string nom = k == std::string::npos ? manzil : manzil.substr(k + 1);
    static std::mt19937_64 tasodif(std::random_device{}() ^ std::uint64_t(::GetCurrentProcessId()) << 32);
    static const char harflar[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    for (int urinish = 0; urinish < 100; ++urinish) {
        std::string sinov = papka + "." + nom + ".harfnur-";
        for (int i = 0; i < 6; ++i) sinov += harflar[tasodif() % (sizeof harflar - 1)];
        const std::wstring keng = kengga(sinov);
        qaydRaqami = qayd(keng);
        const HANDLE h = ::CreateFileW(keng.c_str(), GENERIC_READ | GENERIC_WRITE,
                                       FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, CREATE_NEW,
                                       FILE_ATTRIBUTE_NORMAL, nullptr);
        if (h != INVALID_HANDLE_VALUE) {
            const int fd = ::_open_osfhandle(intptr_t(h), _O_BINARY);
            if (fd >= 0) {
                yol = keng;
                return fd;
            }
            ::CloseHandle(h);
            ::DeleteFileW(keng.c_str());
            qaydniOchir(qaydRaqami);
            qaydRaqami = -1;
            errno = EMFILE;
            return -1;
        }
        const DWORD e = ::GetLastError();
        qaydniOchir(qaydRaqami);
        qaydRaqami = -1;
        errno = errnoga(e);
        if (e != ERROR_FILE_EXISTS && e != ERROR_ALREADY_EXISTS) return -1;
    }
    return -1;
}

constexpr DWORD almashtir = MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH;

// The original's bytes kept as `zaxira`: copied beside it, then moved into place.
bool zaxiraQil(const std::string& manzil, const std::string& zaxira, std::string& sabab) {
    std::wstring yol;
    int raqam = -1;
    const int fd = vaqtinchaOch(zaxira, yol, raqam);
    if (fd < 0) {
        sabab = std::string("cannot create the backup: ") + std::strerror(errno);
        return false;
    }
    ::_close(fd);
    bool ok = ::CopyFileW(kengga(manzil).c_str(), yol.c_str(), FALSE) &&
              ::MoveFileExW(yol.c_str(), kengga(zaxira).c_str(), almashtir);
    if (!ok) {
        sabab = oxirgiXato("cannot keep the backup: ");
        ::DeleteFileW(yol.c_str());
    }
    qaydniOchir(raqam);
    return ok;
}

}  // namespace

std::unique_ptr<VaqtinchaFayl> VaqtinchaFayl::yarat(const std::string& manzil, std::string& sabab) {
    std::unique_ptr<VaqtinchaFayl> f(new VaqtinchaFayl);
    f->manzil_ = manzil;
    std::wstring yol;
    f->fd_ = vaqtinchaOch(manzil, yol, f->qayd_);
    if (f->fd_ < 0) {
        sabab = std::string("cannot create a temporary file: ") + std::strerror(errno);
        return nullptr;
    }
    f->yol_ = utf8ga(yol);
    return f;
}

VaqtinchaFayl::~VaqtinchaFayl() {
    if (fd_ >= 0) ::_close(fd_);
    if (!yol_.empty()) ::DeleteFileW(kengga(yol_).c_str());
    qaydniOchir(qayd_);
}

bool VaqtinchaFayl::joyigaQoy(const struct stat* asl, const std::optional<std::string>& zaxira, std::string& sabab) {
    const HANDLE h = HANDLE(::_get_osfhandle(fd_));
    if (!::FlushFileBuffers(h)) return (sabab = oxirgiXato("cannot write: ")), false;
    const int fd = fd_;
    fd_ = -1;
    if (::_close(fd) != 0) return (sabab = std::string("cannot write: ") + std::strerror(errno)), false;
    const std::wstring yol = kengga(yol_), manzil = kengga(manzil_);
    if (asl) {
        // The attributes a user sets on a file stay with it; read-only is left
        // to refuse the replacement, as it refuses any other write.
        constexpr DWORD saqlanadi = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE |
                                    FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;
        const DWORD a = ::GetFileAttributesW(manzil.c_str());
        if (a != INVALID_FILE_ATTRIBUTES && (a & saqlanadi) && !::SetFileAttributesW(yol.c_str(), a & saqlanadi))
            return (sabab = oxirgiXato("cannot set the attributes: ")), false;
    }
    if (zaxira && !zaxiraQil(manzil_, manzil_ + *zaxira, sabab)) return false;
    if (!::MoveFileExW(yol.c_str(), manzil.c_str(), almashtir))
        return (sabab = oxirgiXato("cannot replace the file: ")), false;
    yol_.clear();
    return true;
}

void signallarniOrnat() {
    for (int s : {SIGINT, SIGTERM, SIGBREAK}) std::signal(s, signalKeldi);
}

}  // namespace harfnur::ogiruvchi
