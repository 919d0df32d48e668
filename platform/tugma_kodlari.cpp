#include "platform/tugma_kodlari.h"

#include <optional>

namespace harfnur {

std::uint16_t TugmaKodlari::kodi(std::uint16_t qatiy) const {
    switch (qatiy) {
        case hodisa::kodA: return a;
        case hodisa::kodC: return c;
        case hodisa::kodV: return v;
        default: return qatiy;
    }
}

namespace {

// One letter, either case: Command may come with Caps Lock on.
bool harfmi(const std::u16string& s, char16_t kichik) {
    return s.size() == 1 && (s[0] == kichik || s[0] == kichik - u'a' + u'A');
}

std::optional<std::uint16_t> top(const TugmaBelgisi& belgi, char16_t harf, std::uint16_t qatiy) {
    if (harfmi(belgi(qatiy, hodisa::buyruqBayrogi), harf)) return qatiy;
    for (std::uint16_t k = 0; k < tugmaKodlariSoni; ++k)
        if (k != qatiy && harfmi(belgi(k, hodisa::buyruqBayrogi), harf)) return k;
    return std::nullopt;
}

}  // namespace

TugmaKodlari tugmaKodlariniTop(const TugmaBelgisi& belgi) {
    const auto a = top(belgi, u'a', hodisa::kodA);
    const auto c = top(belgi, u'c', hodisa::kodC);
    const auto v = top(belgi, u'v', hodisa::kodV);
    if (!a || !c || !v) return {};
    return {*a, *c, *v};
}

}  // namespace harfnur
