// Writes N bytes of seeded sample text in one script to standard output:
// matn_yoz lotin|bosma|kirill N
#include <cstdio>
#include <cstdlib>
#include <string>

#include "bench/matnlar.h"

int main(int argc, char** argv) {
    const std::string yozuv = argc == 3 ? argv[1] : "";
    if (yozuv != "lotin" && yozuv != "bosma" && yozuv != "kirill") {
        std::fputs("usage: matn_yoz lotin|bosma|kirill BYTES\n", stderr);
        return 2;
    }
    const std::size_t n = std::strtoull(argv[2], nullptr, 10);
    // In 16 MB parts with their own seeds, so memory stays small for any size.
    for (std::size_t yozildi = 0, i = 0; yozildi < n; ++i) {
        const std::size_t qism = std::min<std::size_t>(n - yozildi, 16u << 20);
        std::string t = yozuv == "kirill"  ? harfnur::bench::kirillMatn(qism, unsigned(i))
                        : yozuv == "bosma" ? harfnur::bench::bosmaMatn(qism, unsigned(i))
                                           : harfnur::bench::lotinMatn(qism, unsigned(i));
        std::fwrite(t.data(), 1, t.size(), stdout);
        yozildi += t.size();
    }
    return std::fflush(stdout) == 0 ? 0 : 1;
}
