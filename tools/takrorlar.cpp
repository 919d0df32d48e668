#include "tools/takrorlar.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "tools/fayl_tizimi.h"

namespace harfnur::ogiruvchi {

int takrorlar(const Sozlamalar& s) {
    const bool joyida = s.rejim == Rejim::joyida;
    if (!joyida && s.chiqishFayli.empty()) return 0;
    std::vector<std::pair<Kimlik, std::string>> bor;
    for (const std::string& f : s.fayllar) {
        struct stat h;
        Kimlik k;
        const bool stdinmi = f == "-";
        if ((stdinmi ? ::fstat(STDIN_FILENO, &h) : holatiniOl(f, h)) != 0) continue;
        if (!(stdinmi ? kimligi(STDIN_FILENO, k) : kimligi(f, k))) continue;
        for (const auto& [b, nom] : bor) {
            if (b == k && S_ISREG(h.st_mode)) {
                std::fprintf(stderr, "harfnur-ogir: '%s' and '%s' are the same file; nothing done\n", nom.c_str(),
                             f.c_str());
                return 2;
            }
        }
        bor.emplace_back(k, f);
    }
    Kimlik c;
    if (!s.chiqishFayli.empty() && kimligi(s.chiqishFayli, c)) {
        for (const auto& [b, nom] : bor) {
            if (b == c) {
                std::fprintf(stderr, "harfnur-ogir: the output '%s' is also the input '%s'; nothing done\n",
                             s.chiqishFayli.c_str(), nom.c_str());
                return 2;
            }
        }
    }
    return 0;
}

}  // namespace harfnur::ogiruvchi
