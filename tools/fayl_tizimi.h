// Files by their UTF-8 names on either system. Windows takes names as UTF-16
// and has no inode numbers, so both go through here.
#pragma once

#include <sys/stat.h>

#include <cstdint>
#include <string>

namespace harfnur::ogiruvchi {

// open(2): bytes as they are (no CRLF translation), not inherited.
int faylniOch(const std::string& yol, int bayroqlar, int huquq = 0);
// stat(2); -1 with errno set on failure.
int holatiniOl(const std::string& yol, struct stat& h);
// The absolute path with symlinks resolved where the system does; empty when it cannot.
std::string haqiqiyYol(const std::string& yol);

// What makes a file itself: two names with equal identities are one file.
struct Kimlik {
    std::uint64_t qurilma = 0, raqam = 0;
    bool operator==(const Kimlik&) const = default;
};
bool kimligi(int fd, Kimlik& k);
bool kimligi(const std::string& yol, Kimlik& k);

#ifdef _WIN32
std::wstring kengga(const std::string& utf8);
std::string utf8ga(const std::wstring& keng);
// A GetLastError() code as the errno strerror() names.
int errnoga(unsigned long xato);
#endif

}  // namespace harfnur::ogiruvchi
