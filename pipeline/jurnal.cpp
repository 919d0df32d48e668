#include "pipeline/jurnal.h"

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#endif

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>

namespace harfnur {

namespace {

// One write at the end of the file, so lines from other threads and
// processes never interleave and earlier lines are never rewritten.
void oxirigaYoz(const std::filesystem::path& fayl, const char* satr, std::size_t uz) {
#ifdef _WIN32
    // Append-only access sends every WriteFile to the end. Windows does that
    // atomically, Wine does not, so the write also holds a lock on the file.
    const HANDLE h = ::CreateFileW(fayl.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                   nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return;  // the line is lost, silently
    OVERLAPPED hammasi{};
    const bool qulf = ::LockFileEx(h, LOCKFILE_EXCLUSIVE_LOCK, 0, MAXDWORD, MAXDWORD, &hammasi);
    DWORD yozildi = 0;
    ::WriteFile(h, satr, DWORD(uz), &yozildi, nullptr);
    if (qulf) ::UnlockFileEx(h, 0, MAXDWORD, MAXDWORD, &hammasi);
    ::CloseHandle(h);
#else
    // The log tells when the user pressed which keys: for the user's eyes
    // only, also when an older, wider file is found.
    const int fd = ::open(fayl.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) return;  // the line is lost, silently
    struct stat s{};
    if (::fstat(fd, &s) == 0 && (s.st_mode & 077)) ::fchmod(fd, 0600);
    ssize_t yozildi;
    do {
        yozildi = ::write(fd, satr, uz);
    } while (yozildi < 0 && errno == EINTR);
    ::close(fd);
#endif
}

}  // namespace

void jurnal(const Platforma& p, std::string_view xabar) {
    if (!p.sozlamalar.mantiqiy("jurnal")) return;
    const auto fayl = p.jurnalJoyi.fayl();
    if (!fayl) return;

    using namespace std::chrono;
    const auto soniya = floor<seconds>(p.soat.sana());
    const auto kun = floor<days>(soniya);
    const year_month_day sana{kun};
    const hh_mm_ss kunVaqti{soniya - kun};
    char vaqt[40];
    const int v = std::snprintf(vaqt, sizeof vaqt, "%04d-%02u-%02u %02d:%02d:%02d +0000 ", int(sana.year()),
                                unsigned(sana.month()), unsigned(sana.day()), int(kunVaqti.hours().count()),
                                int(kunVaqti.minutes().count()), int(kunVaqti.seconds().count()));

    // The whole line is one write. Short lines are built on the stack.
    char qisqa[512];
    std::string uzun;
    char* satr = qisqa;
    const std::size_t uz = std::size_t(v) + xabar.size() + 1;
    if (uz > sizeof qisqa) {
        uzun.resize(uz);
        satr = uzun.data();
    }
    std::copy_n(vaqt, v, satr);
    std::copy(xabar.begin(), xabar.end(), satr + v);
    satr[uz - 1] = '\n';
    oxirigaYoz(*fayl, satr, uz);
}

}  // namespace harfnur
