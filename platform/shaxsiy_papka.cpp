#include "platform/shaxsiy_papka.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

namespace harfnur {

bool shaxsiyPapka(const std::filesystem::path& papka) {
    // Missing folders are made one by one, top first, each 0700 from the
    // start: created wide and narrowed later would leave a moment open.
    std::vector<std::filesystem::path> yoq;
    for (auto p = papka; !p.empty(); p = p.parent_path()) {
        struct stat s{};
        if (::stat(p.c_str(), &s) == 0) break;
        yoq.push_back(p);
        if (p == p.parent_path()) break;
    }
    for (auto i = yoq.rbegin(); i != yoq.rend(); ++i)
        if (::mkdir(i->c_str(), 0700) != 0 && errno != EEXIST) return false;
    struct stat s{};
    if (::stat(papka.c_str(), &s) != 0 || !S_ISDIR(s.st_mode)) return false;
    if ((s.st_mode & 077) && s.st_uid == ::geteuid()) ::chmod(papka.c_str(), 0700);
    return true;
}

}  // namespace harfnur
