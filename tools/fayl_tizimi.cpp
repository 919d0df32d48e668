#include "tools/fayl_tizimi.h"

#include <fcntl.h>

#include <cerrno>
#include <climits>
#include <cstdlib>

#ifdef _WIN32
#include <io.h>
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace harfnur::ogiruvchi {

#ifdef _WIN32

std::wstring kengga(const std::string& utf8) {
    if (utf8.empty()) return {};
    const int n = ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), nullptr, 0);
    std::wstring r(std::size_t(n), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), r.data(), n);
    return r;
}

std::string utf8ga(const std::wstring& keng) {
    if (keng.empty()) return {};
    const int n = ::WideCharToMultiByte(CP_UTF8, 0, keng.data(), int(keng.size()), nullptr, 0, nullptr, nullptr);
    std::string r(std::size_t(n), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, keng.data(), int(keng.size()), r.data(), n, nullptr, nullptr);
    return r;
}

int errnoga(unsigned long xato) {
    switch (xato) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
        return ENOENT;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
        return EACCES;
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
        return EEXIST;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return ENOSPC;
    case ERROR_WRITE_PROTECT:
        return EROFS;
    case ERROR_NOT_SAME_DEVICE:
        return EXDEV;
    case ERROR_DIRECTORY:
        return ENOTDIR;
    default:
        return EIO;
    }
}

int faylniOch(const std::string& yol, int bayroqlar, int huquq) {
    const int fd = ::_wopen(kengga(yol).c_str(), bayroqlar | O_BINARY | O_NOINHERIT, huquq);
    if (fd < 0 && errno == EACCES) {
        // Windows refuses to open a folder as "access denied"; name it as it is.
        struct stat h;
        if (holatiniOl(yol, h) == 0 && S_ISDIR(h.st_mode)) errno = EISDIR;
    }
    return fd;
}

int holatiniOl(const std::string& yol, struct stat& h) {
    struct _stat64 w;
    if (::_wstat64(kengga(yol).c_str(), &w) != 0) {
        // A device (NUL, CON, COM1) has no file to stat, but opens.
        const int e = errno;
        const HANDLE d = ::CreateFileW(kengga(yol).c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                       OPEN_EXISTING, 0, nullptr);
        const DWORD tur = d == INVALID_HANDLE_VALUE ? FILE_TYPE_UNKNOWN : ::GetFileType(d);
        if (d != INVALID_HANDLE_VALUE) ::CloseHandle(d);
        if (tur != FILE_TYPE_CHAR && tur != FILE_TYPE_PIPE) {
            errno = e;
            return -1;
        }
        h = {};
        h.st_mode = tur == FILE_TYPE_CHAR ? _S_IFCHR : _S_IFIFO;
        return 0;
    }
    h = {};
    h.st_dev = w.st_dev;
    h.st_mode = w.st_mode;
    h.st_size = _off_t(w.st_size);
    return 0;
}

std::string haqiqiyYol(const std::string& yol) {
    // The final path of the open file: symlinks and junctions resolved.
    const HANDLE h = ::CreateFileW(kengga(yol).c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                   nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    std::wstring r;
    if (h != INVALID_HANDLE_VALUE) {
        r.resize(MAX_PATH);
        DWORD n = ::GetFinalPathNameByHandleW(h, r.data(), DWORD(r.size()), FILE_NAME_NORMALIZED);
        if (n >= r.size()) {
            r.resize(n);
            n = ::GetFinalPathNameByHandleW(h, r.data(), DWORD(r.size()), FILE_NAME_NORMALIZED);
        }
        r.resize(n < r.size() ? n : 0);
        ::CloseHandle(h);
        // \\?\C:\x is C:\x; a share (\\?\UNC\...) keeps its long form.
        if (r.rfind(L"\\\\?\\", 0) == 0 && r.size() > 6 && r[5] == L':') r.erase(0, 4);
    }
    if (r.empty()) {
        // A file yet to be made: its absolute name.
        wchar_t* m = ::_wfullpath(nullptr, kengga(yol).c_str(), 0);
        if (!m) return {};
        r = m;
        std::free(m);
    }
    return utf8ga(r);
}

namespace {
bool kimligi(HANDLE h, Kimlik& k) {
    BY_HANDLE_FILE_INFORMATION m;
    // Only files on disk have an index; pipes and devices stay unknown.
    if (h == INVALID_HANDLE_VALUE || ::GetFileType(h) != FILE_TYPE_DISK || !::GetFileInformationByHandle(h, &m))
        return false;
    k.qurilma = m.dwVolumeSerialNumber;
    k.raqam = std::uint64_t(m.nFileIndexHigh) << 32 | m.nFileIndexLow;
    return true;
}
}  // namespace

bool kimligi(int fd, Kimlik& k) { return kimligi(HANDLE(::_get_osfhandle(fd)), k); }

bool kimligi(const std::string& yol, Kimlik& k) {
    const HANDLE h = ::CreateFileW(kengga(yol).c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                   nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    const bool ok = kimligi(h, k);
    ::CloseHandle(h);
    return ok;
}

#else

int faylniOch(const std::string& yol, int bayroqlar, int huquq) {
    return ::open(yol.c_str(), bayroqlar | O_CLOEXEC, huquq);
}

int holatiniOl(const std::string& yol, struct stat& h) { return ::stat(yol.c_str(), &h); }

std::string haqiqiyYol(const std::string& yol) {
    char r[PATH_MAX];
    return ::realpath(yol.c_str(), r) ? std::string(r) : std::string();
}

bool kimligi(int fd, Kimlik& k) {
    struct stat h;
    if (::fstat(fd, &h) != 0) return false;
    k = {std::uint64_t(h.st_dev), std::uint64_t(h.st_ino)};
    return true;
}

bool kimligi(const std::string& yol, Kimlik& k) {
    struct stat h;
    if (::stat(yol.c_str(), &h) != 0) return false;
    k = {std::uint64_t(h.st_dev), std::uint64_t(h.st_ino)};
    return true;
}

#endif

}  // namespace harfnur::ogiruvchi
