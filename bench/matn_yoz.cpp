// Writes N bytes of seeded sample text in one script to standard output:
// matn_yoz lotin|kirill N
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "bench/matnlar.h"

int main(int argc, char** argv) {
    if (argc != 3 || (std::strcmp(argv[1], "lotin") != 0 && std::strcmp(argv[1], "kirill") != 0)) {
        std::fputs("usage: matn_yoz lotin|kirill BYTES\n", stderr);
        return 2;
    }
    const std::size_t n = std::strtoull(argv[2], nullptr, 10);
    const bool kirill = std::strcmp(argv[1], "kirill") == 0;
    // In 16 MB parts with their own seeds, so memory stays small for any size.
    for (std::size_t yozildi = 0, i = 0; yozildi < n; ++i) {
        const std::size_t qism = std::min<std::size_t>(n - yozildi, 16u << 20);
        std::string t = kirill ? harfnur::bench::kirillMatn(qism, unsigned(i)) : harfnur::bench::lotinMatn(qism, unsigned(i));
        std::fwrite(t.data(), 1, t.size(), stdout);
        yozildi += t.size();
    }
    return std::fflush(stdout) == 0 ? 0 : 1;
}
