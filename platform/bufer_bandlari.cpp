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

port::BuferNusxasi muddatliOlish(const std::vector<std::vector<std::string>>& turlar, const port::TurTanlovi& kerakmi,
                                 const TurOquvchi& oqi, const std::function<bool()>& vaqtBormi) {
    std::vector<BuferBandi> bandlar;
    std::vector<std::string> taklif;
    int oqilmadi = 0;
    for (std::size_t i = 0; i < turlar.size(); ++i) {
        BuferBandi& b = bandlar.emplace_back();
        if (turlar[i].empty()) continue;
        if (!taklif.empty()) taklif.emplace_back();  // the next item begins
        for (const std::string& tur : turlar[i]) {
            taklif.push_back(tur);
            if (kerakmi && !kerakmi(tur)) continue;
            std::optional<std::string> baytlar;
            if (vaqtBormi()) baytlar = oqi(i, tur);
            if (baytlar)
                b.emplace_back(tur, std::move(*baytlar));
            else
                ++oqilmadi;
        }
    }
    port::BuferNusxasi n = bandlardanNusxa(bandlar);
    n.taklif = std::move(taklif);
    n.oqilmadi = oqilmadi;
    return n;
}

}  // namespace harfnur
