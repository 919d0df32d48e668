// Reproducible sample texts: seeded sentences from Uzbek word lists.
#pragma once

#include <cstddef>
#include <random>
#include <string>
#include <vector>

namespace harfnur::bench {

inline std::string gaplar(const std::vector<const char*>& sozlar, std::size_t hajm, unsigned urugh) {
    std::mt19937 g(urugh);
    std::uniform_int_distribution<std::size_t> soz(0, sozlar.size() - 1), uzunlik(4, 14);
    std::string r;
    r.reserve(hajm + 256);
    while (r.size() < hajm) {
        const std::size_t n = uzunlik(g);
        for (std::size_t i = 0; i < n; ++i) {
            const std::size_t bosh = r.size();
            r.append(sozlar[soz(g)]);
            if (i == 0 && static_cast<unsigned char>(r[bosh]) < 0x80) r[bosh] = char(r[bosh] - 'a' + 'A');
            r.append(i + 1 == n ? ".\n" : (i % 5 == 4 ? ", " : " "));
        }
    }
    return r;
}

inline std::string lotinMatn(std::size_t hajm, unsigned urugh = 0) {
    return gaplar({"o'zbek", "tilida", "so'z", "g'alaba", "shahar", "choy", "ta'lim", "maktab", "bola",
                   "kitob", "o'qituvchi", "qo'l", "yangi", "bilan", "uchun", "ko'p", "yaxshi", "bog'",
                   "tog'", "shu", "keyin", "hech", "narsa", "inson", "davlat", "mo'jiza", "sher",
                   "qishloq", "ish", "oila", "do'st", "va", "bu", "bir", "edi", "bo'ldi", "kerak"},
                  hajm, 1 + 2 * urugh);
}

// Old Latin as publishers print it: ʻ after o and g, ’ as the separating
// sign, guillemets and dashes.
inline std::string bosmaMatn(std::size_t hajm, unsigned urugh = 0) {
    return gaplar({"o\u02BBzbek", "tilida", "so\u02BBz", "g\u02BBalaba", "shahar", "choy", "ta\u2019lim",
                   "maktab", "bola", "kitob", "o\u02BBqituvchi", "qo\u02BBl", "yangi", "bilan", "uchun",
                   "ko\u02BBp", "yaxshi", "bog\u02BB", "tog\u02BB", "shu", "keyin", "hech", "narsa", "inson",
                   "\u00ABdavlat\u00BB", "mo\u2019jiza", "sher", "qishloq", "\u2014", "ish", "oila",
                   "do\u02BBst", "va", "bu", "bir", "edi", "bo\u02BBldi", "kerak"},
                  hajm, 3 + 2 * urugh);
}

inline std::string kirillMatn(std::size_t hajm, unsigned urugh = 0) {
    return gaplar({"ўзбек", "тилида", "сўз", "ғалаба", "шаҳар", "чой", "таълим", "мактаб", "бола",
                   "китоб", "ўқитувчи", "қўл", "янги", "билан", "учун", "кўп", "яхши", "боғ", "тоғ",
                   "шу", "кейин", "ҳеч", "нарса", "инсон", "давлат", "мўъжиза", "шер", "қишлоқ",
                   "иш", "оила", "дўст", "ва", "бу", "бир", "эди", "бўлди", "керак", "поезд",
                   "милиция", "Ўзбекистон", "ЮНЕСКО", "Тошкент"},
                  hajm, 2 + 2 * urugh);
}

}  // namespace harfnur::bench
