#include "boymatn/cf_html.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "boymatn/html_ichki.h"

namespace harfnur::boymatn {

namespace {

// The header's offsets; the starts and the ends move differently inside
// text that changed.
constexpr std::array<std::string_view, 6> sonNomlari = {"StartHTML",     "EndHTML",        "StartFragment",
                                                        "EndFragment",   "StartSelection", "EndSelection"};
enum { startHtml, endHtml, startFragment, endFragment, startSelection, endSelection };

struct Son {
    std::size_t boshi = 0, oxiri = 0;  // its digits in the header
    std::int64_t qiymat = -1;          // negative: not given
};

bool harfmi(char c) { return (c | 0x20) >= 'a' && (c | 0x20) <= 'z'; }

std::optional<std::int64_t> sonniOqi(std::string_view s) {
    const bool manfiy = !s.empty() && s[0] == '-';
    if (manfiy) s.remove_prefix(1);
    if (s.empty() || s.size() > 18) return std::nullopt;
    std::int64_t v = 0;
    for (const char c : s) {
        if (c < '0' || c > '9') return std::nullopt;
        v = v * 10 + (c - '0');
    }
    return manfiy ? -1 : v;
}

std::size_t raqamlari(std::uint64_t v) {
    std::size_t n = 1;
    for (; v >= 10; v /= 10) ++n;
    return n;
}

// Where an offset into the HTML lands after the conversion: exactly, unless
// it fell inside a piece of text written anew; then a start goes to that
// piece's new start and an end to its new end.
std::size_t yangiJoy(const std::vector<html::Almashtirish>& a, std::size_t eski, bool boshmi) {
    const auto e = std::upper_bound(a.begin(), a.end(), eski,
                                    [](std::size_t x, const html::Almashtirish& m) { return x < m.eskiOxiri; });
    if (e != a.end() && e->eskiBoshi < eski) return boshmi ? e->yangiBoshi : e->yangiOxiri;
    if (e == a.begin()) return eski;
    const auto& p = *(e - 1);
    return eski - p.eskiOxiri + p.yangiOxiri;
}

}  // namespace

std::optional<std::string> cfHtmlOgir(std::string_view t, std::optional<bool> kirillmi) {
    std::array<std::optional<Son>, 6> sonlar;
    bool versiya = false;
    std::size_t i = 0;
    // "Name:value" lines up to the HTML.
    while (i < t.size()) {
        if (sonlar[startHtml] && sonlar[startHtml]->qiymat >= 0 && i >= std::size_t(sonlar[startHtml]->qiymat))
            break;
        std::size_t j = i;
        while (j < t.size() && harfmi(t[j])) ++j;
        if (j == i || j >= t.size() || t[j] != ':') break;
        const std::string_view nom = t.substr(i, j - i);
        const std::size_t qBoshi = j + 1;
        std::size_t qOxiri = qBoshi;
        while (qOxiri < t.size() && t[qOxiri] != '\r' && t[qOxiri] != '\n') ++qOxiri;
        i = qOxiri;
        if (i < t.size() && t[i] == '\r') ++i;
        if (i < t.size() && t[i] == '\n') ++i;
        if (nom == "Version") {
            versiya = true;
            continue;
        }
        const auto k = std::find(sonNomlari.begin(), sonNomlari.end(), nom);
        if (k == sonNomlari.end()) continue;  // SourceURL and the like
        auto& s = sonlar[std::size_t(k - sonNomlari.begin())];
        const auto v = sonniOqi(t.substr(qBoshi, qOxiri - qBoshi));
        if (s || !v) return std::nullopt;
        s = Son{qBoshi, qOxiri, *v};
    }
    const std::size_t sarlavhaOxiri = i;
    if (!versiya || !sonlar[startHtml] || !sonlar[endHtml] || !sonlar[startFragment] || !sonlar[endFragment])
        return std::nullopt;
    if (sonlar[startSelection].has_value() != sonlar[endSelection].has_value()) return std::nullopt;
    auto qiymat = [&](int k) { return sonlar[std::size_t(k)] ? sonlar[std::size_t(k)]->qiymat : -1; };

    // Without StartHTML and EndHTML the HTML is all after the header but
    // the NULs that pad the end.
    std::int64_t hb = qiymat(startHtml), ho = qiymat(endHtml);
    if ((hb < 0) != (ho < 0)) return std::nullopt;
    if (hb < 0) {
        hb = std::int64_t(sarlavhaOxiri);
        ho = std::int64_t(t.find_last_not_of('\0') + 1);
    }
    auto tartibdami = [](std::initializer_list<std::int64_t> s) { return std::is_sorted(s.begin(), s.end()); };
    if (!tartibdami({std::int64_t(sarlavhaOxiri), hb, qiymat(startFragment), qiymat(endFragment), ho,
                     std::int64_t(t.size())}))
        return std::nullopt;
    if ((qiymat(startSelection) >= 0) != (qiymat(endSelection) >= 0)) return std::nullopt;
    if (qiymat(startSelection) >= 0 && !tartibdami({hb, qiymat(startSelection), qiymat(endSelection), ho}))
        return std::nullopt;

    const std::size_t htmlBoshi = std::size_t(hb), htmlOxiri = std::size_t(ho);
    const html::Natija r = html::utf8niOgir(t.substr(htmlBoshi, htmlOxiri - htmlBoshi), kirillmi);
    if (r.almashtirishlar.empty()) return std::string(t);

    // Same widths as far as the numbers fit, so the header keeps its length;
    // a number that outgrows its width lengthens the header and moves all.
    std::array<std::size_t, 6> kenglik{};
    std::array<std::uint64_t, 6> yangi{};
    for (std::size_t osish = 0;;) {
        std::size_t keyingi = 0;
        for (std::size_t k = 0; k < 6; ++k) {
            if (qiymat(int(k)) < 0) continue;
            const Son& s = *sonlar[k];
            const bool boshmi = k % 2 == 0;
            yangi[k] = osish + htmlBoshi + yangiJoy(r.almashtirishlar, std::size_t(s.qiymat) - htmlBoshi, boshmi);
            kenglik[k] = std::max(s.oxiri - s.boshi, raqamlari(yangi[k]));
            keyingi += kenglik[k] - (s.oxiri - s.boshi);
        }
        if (keyingi == osish) break;
        osish = keyingi;
    }

    // The fields may come in any order; written in the header's.
    std::vector<std::size_t> tartib;
    for (std::size_t k = 0; k < 6; ++k)
        if (qiymat(int(k)) >= 0) tartib.push_back(k);
    std::sort(tartib.begin(), tartib.end(), [&](std::size_t a, std::size_t b) { return sonlar[a]->boshi < sonlar[b]->boshi; });
    std::string chiqish;
    chiqish.reserve(t.size() - (htmlOxiri - htmlBoshi) + r.matn.size() + 16);
    std::size_t yozildi = 0;
    for (const std::size_t k : tartib) {
        const Son& s = *sonlar[k];
        chiqish.append(t, yozildi, s.boshi - yozildi);
        const std::string raqam = std::to_string(yangi[k]);
        chiqish.append(kenglik[k] - raqam.size(), '0');
        chiqish += raqam;
        yozildi = s.oxiri;
    }
    chiqish.append(t, yozildi, htmlBoshi - yozildi);
    chiqish += r.matn;
    chiqish.append(t, htmlOxiri);
    return chiqish;
}

}  // namespace harfnur::boymatn
