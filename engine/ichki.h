// Engine internals open to tests and benchmarks.
#pragma once

#include <string>
#include <string_view>

namespace harfnur::ichki {

// The same conversion without any shortcut: every Character segmented and
// classified through ICU, the text held whole in a Matn. Slow; the fast
// path must agree with it byte for byte.
std::string ogirToliq(std::string_view matn);

struct Sanoq {
    std::size_t kirill = 0;  // Cyrillic letters
    std::size_t boshqa = 0;  // every other letter
    bool kirillmi() const { return boshqa < kirill; }
};
Sanoq harflarniSana(std::string_view matn);

}  // namespace harfnur::ichki
