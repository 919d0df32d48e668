#include "tools/takrorlar.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

namespace harfnur::ogiruvchi {

int takrorlar(const Sozlamalar& s) {
    const bool joyida = s.rejim == Rejim::joyida;
    if (!joyida && s.chiqishFayli.empty()) return 0;
    std::vector<std::pair<struct stat, std::string>> bor;
    for (const std::string& f : s.fayllar) {
        struct stat h;
        if ((f == "-" ? ::fstat(STDIN_FILENO, &h) : ::stat(f.c_str(), &h)) != 0) continue;
        for (const auto& [b, nom] : bor) {
            if (b.st_dev == h.st_dev && b.st_ino == h.st_ino && S_ISREG(h.st_mode)) {
                std::fprintf(stderr, "harfnur-ogir: '%s' and '%s' are the same file; nothing done\n", nom.c_str(),
                             f.c_str());
                return 2;
            }
        }
        bor.emplace_back(h, f);
    }
    struct stat c;
    if (!s.chiqishFayli.empty() && ::stat(s.chiqishFayli.c_str(), &c) == 0) {
        for (const auto& [b, nom] : bor) {
            if (b.st_dev == c.st_dev && b.st_ino == c.st_ino) {
                std::fprintf(stderr, "harfnur-ogir: the output '%s' is also the input '%s'; nothing done\n",
                             s.chiqishFayli.c_str(), nom.c_str());
                return 2;
            }
        }
    }
    return 0;
}

}  // namespace harfnur::ogiruvchi
