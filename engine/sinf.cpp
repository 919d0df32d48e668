#include "engine/sinf.h"

#include <atomic>
#include <string>
#include <vector>

#include "engine/jadvallar.h"
#include "engine/unikod.h"
#include "engine/utf8.h"

namespace harfnur::ichki {

bool kirillHarfmi(std::string_view belgi) {
    for (std::size_t i = 0; i < belgi.size();) {
        const auto s = utf8::ochish(belgi, i);
        if (s.uzunlik == 0 || (s.kod & ~char32_t{0xFF}) != 0x400) return false;
        i += s.uzunlik;
    }
    return true;
}

Sinf sinfla(std::string_view belgi) {
    const auto birinchi = utf8::ochish(belgi, 0);
    if (belgi.empty() || birinchi.uzunlik == 0) return xatoBaytSinfi;
    Sinf s = 0;
    if (unikod::alifbomi(birinchi.kod)) s |= harfBit;
    if (kirillHarfmi(belgi)) s |= kirillBit;

    const std::string kichik = unikod::kichikHarfli(belgi);
    if (unikod::tengmi(belgi, kichik)) s |= kichikBit;
    const std::string shaklMatni =
        unikod::nfc(kichik.empty() ? std::string(belgi) : kichik.substr(0, unikod::birinchiKlaster(kichik)));

    static const char* const lotinShakllari[] = {"o", "g", "s", "c", "h"};
    for (Sinf i = 0; i < 5; ++i)
        if (shaklMatni == lotinShakllari[i]) s |= (i + 1) << shaklSurish;

    if (const int k = orni(kirill(), shaklMatni); k >= 0)
        s |= Sinf(k + 1) << kalitSurish;
    else if (shaklMatni == "е")
        s |= Sinf(kalitE) << kalitSurish;
    else if (shaklMatni == "ц")
        s |= Sinf(kalitTs) << kalitSurish;
    if (orni(kirillUnlilar(), shaklMatni) >= 0) s |= unliBit;

    const std::string oz = unikod::nfc(belgi);
    if (orni(okina(), oz) >= 0) s |= okinaBit;
    if (orni(tutuqlar(), oz) >= 0) s |= tutuqBit;

    const Shakl sh = shakl(s);
    if (sh == Shakl::o || sh == Shakl::g || sh == Shakl::s || sh == Shakl::c || (s & okinaBit))
        s |= lotinBoshBit;
    if (kalit(s) != 0) s |= kirillBoshBit;
    if ((s & harfBit) && !(s & unliBit) && shaklMatni != "ъ" && shaklMatni != "ь") s |= undoshBit;
    return s;
}

namespace {

// Lazily filled per code point of the BMP. Two threads may compute the same
// entry at once; both store the same value, so relaxed atomics suffice.
constexpr std::uint32_t tayyorBit = 1u << 31;
std::atomic<std::uint32_t> kesh[0x10000];

KodSinfi hisobla(char32_t kod) {
    std::string b;
    if (kod < 0x80) {
        b.push_back(char(kod));
    } else if (kod < 0x800) {
        b += char(0xC0 | (kod >> 6));
        b += char(0x80 | (kod & 0x3F));
    } else if (kod < 0x10000) {
        b += char(0xE0 | (kod >> 12));
        b += char(0x80 | ((kod >> 6) & 0x3F));
        b += char(0x80 | (kod & 0x3F));
    } else {
        b += char(0xF0 | (kod >> 18));
        b += char(0x80 | ((kod >> 12) & 0x3F));
        b += char(0x80 | ((kod >> 6) & 0x3F));
        b += char(0x80 | (kod & 0x3F));
    }
    return {sinfla(b), unikod::yakkaKlastermi(kod)};
}

}  // namespace

KodSinfi kodSinfi(char32_t kod) {
    if (kod >= 0x10000) return hisobla(kod);
    std::uint32_t v = kesh[kod].load(std::memory_order_relaxed);
    if (!(v & tayyorBit)) {
        const KodSinfi k = hisobla(kod);
        v = k.sinf | (k.yakka ? yakkaBit : 0) | tayyorBit;
        kesh[kod].store(v, std::memory_order_relaxed);
    }
    return {v & ~(tayyorBit | yakkaBit), (v & yakkaBit) != 0};
}

}  // namespace harfnur::ichki

namespace harfnur::ichki {

const std::uint32_t* tezJadval() {
    static const std::vector<std::uint32_t> t = [] {
        std::vector<std::uint32_t> r(0x800);
        for (char32_t k = 0; k < 0x800; ++k) {
            const KodSinfi ks = kodSinfi(k);
            r[k] = ks.sinf | (ks.yakka ? yakkaBit : 0);
        }
        return r;
    }();
    return t.data();
}

}  // namespace harfnur::ichki
