// Any bytes into the engine: no crash, invalid bytes come out in order, and
// the fast path agrees with the reference path.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "engine/ichki.h"
#include "engine/ogir.h"
#include "engine/utf8.h"

namespace {

std::string xatoBaytlar(std::string_view t) {
    std::string r;
    for (std::size_t i = 0; i < t.size();) {
        const auto s = harfnur::utf8::ochish(t, i);
        if (s.uzunlik == 0) {
            r += t[i];
            ++i;
        } else {
            i += s.uzunlik;
        }
    }
    return r;
}

// Whether `a` appears in `b` in order (not necessarily together: a ь between
// two invalid bytes converts to nothing, and the two may then even read as a
// valid sequence).
bool tartibdami(std::string_view a, std::string_view b) {
    std::size_t i = 0;
    for (char c : b)
        if (i < a.size() && a[i] == c) ++i;
    return i == a.size();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view t(reinterpret_cast<const char*>(data), size);
    const std::string r = harfnur::ogir(t);
    if (!tartibdami(xatoBaytlar(t), r)) std::abort();
    if (size <= 4096 && r != harfnur::ichki::ogirToliq(t)) std::abort();
    if (harfnur::ogir(r) != harfnur::ichki::ogirToliq(r) && r.size() <= 4096) std::abort();
    return 0;
}
