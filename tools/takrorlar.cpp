#include "tools/takrorlar.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "tools/fayl_tizimi.h"
#include "tools/konsol.h"

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
                matnChiqar(stderr, "harfnur-ogir: '" + nom + "' and '" + f + "' are the same file; nothing done\n");
                return 2;
            }
        }
        bor.emplace_back(k, f);
    }
    Kimlik c;
    if (!s.chiqishFayli.empty() && kimligi(s.chiqishFayli, c)) {
        for (const auto& [b, nom] : bor) {
            if (b == c) {
                matnChiqar(stderr, "harfnur-ogir: the output '" + s.chiqishFayli + "' is also the input '" + nom +
                                       "'; nothing done\n");
                return 2;
            }
        }
    }
    return 0;
}

}  // namespace harfnur::ogiruvchi
