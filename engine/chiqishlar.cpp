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

const std::vector<KirillKod>& kirillKodlar() {
    static const std::vector<KirillKod> t = [] {
        const std::uint32_t* j = tezJadval();
        auto sinf = [j](char32_t k) { return j[k] & ~yakkaBit; };
        // Every neighbour the step can tell apart: absent, a vowel, a
        // consonant, a hard or soft sign, a capital and a small letter.
        const Sinf oldin[] = {0, sinf(U'а'), sinf(U'б'), sinf(U'ъ'), sinf(U'ь'), sinf(U'b')};
        const Sinf keyin[] = {0, sinf(U'Б'), sinf(U'б'), sinf(U'.')};
        struct Oyna3 {
            Sinf s[3];
            Sinf sinf(std::ptrdiff_t d) const { return s[d + 1]; }
        };
        std::vector<KirillKod> r(0x800);
        for (char32_t k = 0; k < 0x800; ++k) {
            if (!(j[k] & yakkaBit)) continue;  // stays `sekin`
            const Sinf s = sinf(k);
            if (!(s & kirillBoshBit)) {
                char u[2] = {char(k), 0};
                std::size_t uz = 1;
                if (k >= 0x80) {
                    u[0] = char(0xC0 | (k >> 6));
                    u[1] = char(0x80 | (k & 0x3F));
                    uz = 2;
                }
                r[k] = {Parcha(std::string_view(u, uz)), KirillKod::tayyor};
                continue;
            }
            const auto birinchi = kirillQadami(Oyna3{{0, s, 0}}, 0);
            bool bir = true;
            for (Sinf p : oldin)
                for (Sinf n : keyin)
                    bir = bir && kirillQadami(Oyna3{{p, s, n}}, 0)->almashtirish == birinchi->almashtirish;
            r[k] = {Parcha(birinchi->almashtirish), bir ? KirillKod::tayyor : KirillKod::kontekst};
        }
        return r;
    }();
    return t;
}

}  // namespace harfnur::ichki::yolak
