#include "pipeline/jurnal.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <ctime>
#include <string>

namespace harfnur {

void jurnal(const Platforma& p, std::string_view xabar) {
    if (!p.sozlamalar.mantiqiy("jurnal")) return;
    const auto fayl = p.jurnalJoyi.fayl();
    if (!fayl) return;

    const std::time_t t = std::chrono::system_clock::to_time_t(p.soat.sana());
    std::tm utc{};
    gmtime_r(&t, &utc);
    char vaqt[40];
    const int v = std::snprintf(vaqt, sizeof vaqt, "%04d-%02d-%02d %02d:%02d:%02d +0000 ", utc.tm_year + 1900,
                                utc.tm_mon + 1, utc.tm_mday, utc.tm_hour, utc.tm_min, utc.tm_sec);

    // The whole line goes out in one append-mode write, so lines from other
    // threads and processes never interleave and earlier lines are never
    // rewritten. Short lines are built on the stack.
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

    // The log tells when the user pressed which keys: for the user's eyes
    // only, also when an older, wider file is found.
    const int fd = ::open(fayl->c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) return;  // the line is lost, silently
    struct stat s{};
    if (::fstat(fd, &s) == 0 && (s.st_mode & 077)) ::fchmod(fd, 0600);
    ssize_t yozildi;
    do {
        yozildi = ::write(fd, satr, uz);
    } while (yozildi < 0 && errno == EINTR);
    ::close(fd);
}

}  // namespace harfnur
