// Any bytes into the engine: no crash, invalid bytes come out in order, the
// fast path agrees with the reference path, and pieces convert as the whole.
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

    // Cut into pieces wherever allowed, with the step of the whole text:
    // the same bytes, and letter counts that add up.
    const harfnur::HarfSanogi butun = harfnur::harflarniSana(t);
    const std::size_t qadam = size ? data[0] % 16 + 1 : 1;
    std::string bolib;
    harfnur::HarfSanogi jami;
    for (std::size_t bosh = 0; bosh < size;) {
        const std::size_t oxir = harfnur::kesishJoyi(t, bosh + qadam);
        if (oxir <= bosh || oxir > size) std::abort();
        jami += harfnur::harflarniSana(t.substr(bosh, oxir - bosh));
        harfnur::qadamBilanOgir(t.substr(bosh, oxir - bosh), butun.kirillmi(), bolib);
        bosh = oxir;
    }
    if (bolib != r || jami.kirill != butun.kirill || jami.boshqa != butun.boshqa) std::abort();
    return 0;
}
