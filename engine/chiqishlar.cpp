// Replacement texts of both steps in every case form, derived once from
// their lower-case literals with the full upper-case mapping.
#include "engine/jadvallar.h"
#include "engine/kirill_qadami.h"
#include "engine/lotin_qadami.h"
#include "engine/ogir.h"
#include "engine/unikod.h"

namespace harfnur::ichki {

LotinChiqishlari lotinChiqishlariniQur() {
    auto katta = [](const char* s) { return Parcha(unikod::kattaHarfli(s)); };
    LotinChiqishlari r;
    r.o = Parcha("ö");
    r.g = Parcha("ğ");
    r.s = Parcha("ş");
    r.c = Parcha("ç");
    r.O = katta("ö");
    r.G = katta("ğ");
    r.S = katta("ş");
    r.C = katta("ç");
    r.tutuq = Parcha("ʼ");
    return r;
}

namespace {

KirillChiqishi chiqish(const std::string& kichik) {
    KirillChiqishi r;
    r.katta = Parcha(unikod::kattaHarfli(kichik));
    const std::size_t birinchi = unikod::birinchiKlaster(kichik);
    r.bosh = Parcha(unikod::kattaHarfli(std::string_view(kichik).substr(0, birinchi)) + kichik.substr(birinchi));
    r.yakkami = !kichik.empty() && birinchi == kichik.size();
    r.kichik = Parcha(kichik);
    return r;
}

}  // namespace

KirillChiqishlari kirillChiqishlariniQur() {
    KirillChiqishlari r;
    const auto& x = kirill();
    for (std::size_t i = 0; i < x.size(); ++i) r.harf[i + 1] = chiqish(x[i].second);
    r.e = chiqish("e");
    r.ye = chiqish("ye");
    r.ts = chiqish("ts");
    r.s = chiqish("s");
    return r;
}

}  // namespace harfnur::ichki

#include "engine/utf8.h"
#include "engine/yolaklar.h"

namespace harfnur::ichki::yolak {

const KirillKodlar& kirillKodlar() {
    static const KirillKodlar t = [] {
        const std::uint32_t* j = tezJadval();
        auto sinf = [j](char32_t k) { return j[k] & ~yakkaBit; };
        struct Oyna3 {
            Sinf s[3];
            Sinf sinf(std::ptrdiff_t d) const { return s[d + 1]; }
        };
        // A Character before and after for each key: bit 0 a consonant,
        // bit 1 a vowel (never both), bit 2 a capital after.
        auto oldingi = [&](unsigned kalit) { return kalit & 2 ? sinf(U'а') : kalit & 1 ? sinf(U'б') : Sinf{0}; };
        auto keyingi = [&](unsigned kalit) { return kalit & 4 ? sinf(U'Б') : sinf(U'б'); };
        KirillKodlar r;
        r.kodlar.resize(0x800);
        r.variantlar.emplace_back();  // index 0: no variants
        for (char32_t k = 0; k < 0x800; ++k) {
            if (!(j[k] & yakkaBit)) continue;  // never let through
            auto& e = r.kodlar[k];
            const Sinf s = sinf(k);
            if (!(s & kirillBoshBit)) {  // passes unchanged: its own bytes
                char u[2] = {char(k), 0};
                std::size_t uz = 1;
                if (k >= 0x80) {
                    u[0] = char(0xC0 | (k >> 6));
                    u[1] = char(0x80 | (k & 0x3F));
                    uz = 2;
                }
                e.chiqish = Parcha(std::string_view(u, uz));
                continue;
            }
            std::array<Parcha, 8> v;
            bool bir = true;
            for (unsigned kalit = 0; kalit < 8; ++kalit) {
                v[kalit] = Parcha(kirillQadami(Oyna3{{oldingi(kalit), s, keyingi(kalit)}}, 0)->almashtirish);
                bir = bir && v[kalit].sv() == v[0].sv();
            }
            e.chiqish = v[0];
            if (!bir) {
                e.variant = std::uint8_t(r.variantlar.size());
                r.variantlar.push_back(v);
            }
        }
        if (r.variantlar.size() > 255) std::abort();
        return r;
    }();
    return t;
}

}  // namespace harfnur::ichki::yolak
