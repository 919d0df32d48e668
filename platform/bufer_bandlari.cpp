#include "platform/bufer_bandlari.h"

namespace harfnur {

port::BuferNusxasi bandlardanNusxa(const std::vector<BuferBandi>& bandlar) {
    port::BuferNusxasi n;
    for (const BuferBandi& band : bandlar) {
        BuferBandi turlar;
        for (const auto& t : band)
            if (!t.first.empty()) turlar.push_back(t);
        if (turlar.empty()) continue;
        if (!n.turlar.empty()) n.turlar.emplace_back();
        n.turlar.insert(n.turlar.end(), turlar.begin(), turlar.end());
    }
    return n;
}

std::vector<BuferBandi> nusxadanBandlar(const port::BuferNusxasi& nusxa) {
    std::vector<BuferBandi> bandlar;
    bool yangi = true;
    for (const auto& t : nusxa.turlar) {
        if (t.first.empty()) {
            yangi = true;
            continue;
        }
        if (yangi) bandlar.emplace_back();
        yangi = false;
        bandlar.back().push_back(t);
    }
    return bandlar;
}

}  // namespace harfnur
