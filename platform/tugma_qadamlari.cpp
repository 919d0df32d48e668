#include "platform/tugma_qadamlari.h"

#include <utility>

namespace harfnur {
namespace {

char16_t harfi(std::uint16_t qatiy, bool katta) {
    char16_t h = 0;
    switch (qatiy) {
        case hodisa::kodA: h = u'a'; break;
        case hodisa::kodC: h = u'c'; break;
        case hodisa::kodV: h = u'v'; break;
        default: return 0;
    }
    return katta ? char16_t(h - u'a' + u'A') : h;
}

}  // namespace

std::vector<TugmaQadami> bosishQadamlari(const TugmaKodlari& kodlar, std::uint16_t kod, std::uint64_t bayroqlar) {
    // Command first: a Command+Shift press reads as Command with Shift added.
    std::vector<std::pair<std::uint16_t, std::uint64_t>> modifikatorlar;
    for (const auto& m : {std::pair{hodisa::chapBuyruq, hodisa::buyruqBayrogi},
                          std::pair{hodisa::chapShift, hodisa::shiftBayrogi}})
        if (bayroqlar & m.second) modifikatorlar.push_back(m);

    std::vector<TugmaQadami> r;
    std::uint64_t ushlangan = 0;
    for (const auto& [m, bayroq] : modifikatorlar) {
        ushlangan |= bayroq;
        r.push_back({m, true, true, ushlangan, 0});
    }
    const char16_t belgi = harfi(kod, bayroqlar & hodisa::shiftBayrogi);
    const std::uint16_t tugma = kodlar.kodi(kod);
    r.push_back({tugma, true, false, bayroqlar, belgi});
    r.push_back({tugma, false, false, bayroqlar, belgi});
    for (auto i = modifikatorlar.rbegin(); i != modifikatorlar.rend(); ++i) {
        ushlangan &= ~i->second;
        r.push_back({i->first, false, true, ushlangan, 0});
    }
    return r;
}

}  // namespace harfnur
