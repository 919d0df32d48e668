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
#include "tools/qayta_urinish.h"
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

std::string oxirgiXato(const std::string& nima) {
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

bool faqatOqishmi(const std::wstring& yol) {
    const DWORD a = ::GetFileAttributesW(yol.c_str());
    return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_READONLY);
}

// `qil` tried again while another program holds the target open for a moment.
template <class Amal>
bool urinibQil(const std::wstring& manzil, Amal qil) {
    const bool faqatOqish = faqatOqishmi(manzil);
    for (int urinish = 1;; ++urinish) {
        if (qil()) return true;
        const DWORD e = ::GetLastError();
        const int kut = almashtirishKutishi(e, faqatOqish, urinish);
        if (kut < 0) {
            ::SetLastError(e);
            return false;
        }
        ::Sleep(DWORD(kut));
    }
}

// A free name beside `manzil` for its original while it is replaced.
bool boshNom(const std::string& manzil, std::wstring& yol) {
    int raqam = -1;
    const int fd = vaqtinchaOch(manzil, yol, raqam);
    if (fd < 0) return false;
    ::_close(fd);
    ::DeleteFileW(yol.c_str());  // ReplaceFileW moves the original there itself
    qaydniOchir(raqam);
    return true;
}

bool almashtirmaydiganXato(DWORD e) {
    return e == ERROR_INVALID_PARAMETER || e == ERROR_NOT_SUPPORTED || e == ERROR_INVALID_FUNCTION ||
           e == ERROR_CALL_NOT_IMPLEMENTED;
}

// The file system cannot replace: the original is copied to `eski` and the
// new file renamed over it, as rename does elsewhere.
bool kochirib(const std::wstring& yol, const std::wstring& manzil, const std::wstring& eski) {
    if (!::CopyFileW(manzil.c_str(), eski.c_str(), TRUE)) return false;
    if (urinibQil(manzil, [&] { return ::MoveFileExW(yol.c_str(), manzil.c_str(), almashtir) != 0; })) return true;
    const DWORD e = ::GetLastError();
    ::DeleteFileW(eski.c_str());
    ::SetLastError(e);
    return false;
}

// ReplaceFileW keeps what makes the target itself (its ACL, named streams,
// creation time); with a backup name it never leaves the target name empty,
// which it may without one. The original waits under `eski` until the
// replacement is done, and goes to the backup name only then.
bool almashtirish(const std::wstring& yol, const std::string& manzil8, const std::optional<std::string>& zaxira,
                  std::string& sabab) {
    const std::wstring manzil = kengga(manzil8);
    std::wstring eski;
    if (!boshNom(manzil8, eski)) return (sabab = std::string("cannot create a temporary file: ") + std::strerror(errno)), false;
    DWORD e = 0;
    bool ok = urinibQil(manzil, [&] {
        if (::ReplaceFileW(manzil.c_str(), yol.c_str(), eski.c_str(),
                           REPLACEFILE_IGNORE_MERGE_ERRORS | REPLACEFILE_IGNORE_ACL_ERRORS, nullptr, nullptr))
            return true;
        e = ::GetLastError();
        // The original was moved aside and the new file could not follow: it goes back.
        if (e == ERROR_UNABLE_TO_MOVE_REPLACEMENT_2) ::MoveFileExW(eski.c_str(), manzil.c_str(), MOVEFILE_WRITE_THROUGH);
        ::SetLastError(e);
        return false;
    });
    if (!ok && almashtirmaydiganXato(e)) ok = kochirib(yol, manzil, eski);
    if (!ok) {
        sabab = oxirgiXato("cannot replace the file: ");
        return false;
    }
    if (!zaxira) {
        ::DeleteFileW(eski.c_str());
        return true;
    }
    if (::MoveFileExW(eski.c_str(), kengga(manzil8 + *zaxira).c_str(), almashtir)) return true;
    sabab = oxirgiXato("converted, but the original is left as " + utf8ga(eski) + ": cannot keep the backup: ");
    return false;
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
    if (asl) {
        if (!almashtirish(yol, manzil_, zaxira, sabab)) return false;
    } else if (!urinibQil(manzil, [&] { return ::MoveFileExW(yol.c_str(), manzil.c_str(), almashtir) != 0; })) {
        return (sabab = oxirgiXato("cannot replace the file: ")), false;
    }
    yol_.clear();
    return true;
}

void signallarniOrnat() {
    for (int s : {SIGINT, SIGTERM, SIGBREAK}) std::signal(s, signalKeldi);
}

}  // namespace harfnur::ogiruvchi
