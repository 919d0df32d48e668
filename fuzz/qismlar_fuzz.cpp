// Any bytes cut into pieces: joined, the pieces convert as the whole text;
// apart, each gets exactly its share from a plain walk over the reference
// Characters. The first byte holds how many length bytes follow (low three
// bits) and the step (next two: either step, or let the letters choose);
// the lengths are used in turn until the text runs out.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/bolgich.h"
#include "engine/ichki.h"
#include "engine/kirill_qadami.h"
#include "engine/lotin_qadami.h"
#include "engine/qismlar.h"

namespace {

namespace ichki = harfnur::ichki;

// A rule's output to the piece of its first Character's first byte, every
// other byte to its own piece.
std::vector<std::string> oddiyUlush(std::string_view t, const std::vector<std::size_t>& egasi, std::size_t soni,
                                    bool kirill) {
    const ichki::Matn m = ichki::toliqMatn(t);
    std::vector<std::string> r(soni);
    for (std::ptrdiff_t p = 0; p < m.soni();) {
        const ichki::Belgi& b = m.belgilar[std::size_t(p)];
        if (const auto s = kirill ? ichki::kirillQadami(m, p) : ichki::lotinQadami(m, p)) {
            r[egasi[b.boshi]] += s->almashtirish;
            p += s->yutildi;
        } else {
            for (std::size_t i = b.boshi; i < b.oxiri; ++i) r[egasi[i]] += t[i];
            ++p;
        }
    }
    return r;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::size_t m = std::min<std::size_t>(data[0] & 7u, size - 1);
    const unsigned q = (data[0] >> 3) & 3u;
    const std::optional<bool> kirillmi = q == 1 ? std::optional<bool>(false)
                                         : q == 2 ? std::optional<bool>(true)
                                                  : std::nullopt;
    const std::uint8_t* uzunlik = data + 1;
    const std::string_view t(reinterpret_cast<const char*>(data + 1 + m), size - 1 - m);

    bool bari0 = true;
    for (std::size_t j = 0; j < m; ++j) bari0 = bari0 && uzunlik[j] % 48 == 0;
    std::vector<std::string_view> qismlar;
    std::vector<std::size_t> egasi;
    for (std::size_t i = 0, j = 0; i < t.size() || qismlar.empty(); ++j) {
        std::size_t k = t.size() - i;
        if (m && !(bari0 && j >= m)) k = std::min<std::size_t>(uzunlik[j % m] % 48, k);
        egasi.insert(egasi.end(), k, qismlar.size());
        qismlar.push_back(t.substr(i, k));
        i += k;
    }

    const std::vector<std::string> r = harfnur::qismlabOgir(qismlar, kirillmi);
    if (r.size() != qismlar.size()) std::abort();
    std::string birga;
    for (const auto& s : r) birga += s;
    const bool kirill = kirillmi ? *kirillmi : harfnur::harflarniSana(t).kirillmi();
    std::string butun;
    harfnur::qadamBilanOgir(t, kirill, butun);
    if (birga != butun) std::abort();
    if (!kirillmi && birga != harfnur::ogir(t)) std::abort();
    if (t.size() <= 4096 && r != oddiyUlush(t, egasi, qismlar.size(), kirill)) std::abort();
    return 0;
}
