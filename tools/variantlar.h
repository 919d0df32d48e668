// The command line of harfnur-ogir, read into settings.
#pragma once

#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace harfnur::ogiruvchi {

enum class Rejim {
    chiqarish,  // to standard output or to -o FILE
    joyida,     // -i: each file rewritten in place
    tekshir,    // --check: nothing written, changed files listed
};

struct Sozlamalar {
    Rejim rejim = Rejim::chiqarish;
    std::string chiqishFayli;           // -o; empty: standard output
    std::optional<std::string> zaxira;  // -i's suffix for the original's copy
    bool jim = false;                   // -q
    bool ikkilik = false;               // --binary
    bool qatorlab = false;              // -l
    std::string manba;                  // --from: the input's encoding
    unsigned iplar = 0;                 // -j; 0: one per core
    // Past it an input that is no mapped file (a pipe; UTF-16 or --from
    // text once decoded) moves from memory to a temporary file.
    std::size_t toshish = std::size_t(64) << 20;
    std::vector<std::string> fayllar;   // "-" is standard input
};

// What to do instead of converting: print `matn` (help, version, or an
// error line) and exit with `kod`.
struct Yakun {
    int kod;
    std::string matn;
    bool xatomi;  // to standard error
};

std::variant<Sozlamalar, Yakun> variantlarniOqi(const std::vector<std::string>& argumentlar);

extern const char* const yordamMatni;

}  // namespace harfnur::ogiruvchi
