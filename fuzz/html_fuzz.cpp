// Any bytes as HTML and as the clipboard's "HTML Format": no crash, and what
// comes back has the markup of what went in, as a second, simpler reader
// finds it; the header's offsets still have the same markup before them.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <string>
#include <string_view>

#include "boymatn/cf_html.h"
#include "boymatn/html.h"
#include "boymatn/html_kodlash.h"
#include "tests/belgilash_yordam.h"

namespace {

using harfnur::sinov::belgilash;

// UTF-16 compared as the UTF-8 it is read as.
std::string oqilgani(std::string_view t) {
    if (t.substr(0, 2) == "\xFF\xFE" || t.substr(0, 2) == "\xFE\xFF")
        return harfnur::boymatn::html::utf16dan(t.substr(2, (t.size() - 2) & ~std::size_t{1}), t[0] == '\xFE');
    return std::string(t);
}

// The header's numbers, and where the HTML starts.
struct Sarlavha {
    std::map<std::string, std::int64_t> sonlar;
    std::size_t oxiri = 0;
};

Sarlavha sarlavha(std::string_view t) {
    Sarlavha s;
    std::size_t i = 0;
    while (i < t.size()) {
        const auto bosh = s.sonlar.find("StartHTML");
        if (bosh != s.sonlar.end() && bosh->second >= 0 && i >= std::size_t(bosh->second)) break;
        std::size_t j = i;
        while (j < t.size() && ((t[j] | 0x20) >= 'a' && (t[j] | 0x20) <= 'z')) ++j;
        if (j == i || j >= t.size() || t[j] != ':') break;
        std::size_t e = t.find_first_of("\r\n", j);
        if (e == std::string_view::npos) e = t.size();
        const std::string qiymat(t.substr(j + 1, e - j - 1));
        const std::string nom(t.substr(i, j - i));
        if (nom == "StartHTML" || nom == "EndHTML" || nom == "StartFragment" || nom == "EndFragment" ||
            nom == "StartSelection" || nom == "EndSelection")
            s.sonlar[nom] = std::strtoll(qiymat.c_str(), nullptr, 10);
        i = e + (e < t.size() && t[e] == '\r');
        i += i < t.size() && t[i] == '\n';
    }
    const auto bosh = s.sonlar.find("StartHTML");
    s.oxiri = bosh != s.sonlar.end() && bosh->second >= 0 ? std::size_t(bosh->second) : i;
    return s;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view t(reinterpret_cast<const char*>(data), size);
    const std::optional<bool> kirillmi = size % 3 == 0 ? std::nullopt : std::optional<bool>(size % 3 == 1);

    if (const auto r = harfnur::boymatn::htmlOgir(t, kirillmi))
        if (belgilash(oqilgani(*r)) != belgilash(oqilgani(t))) std::abort();

    if (const auto r = harfnur::boymatn::cfHtmlOgir(t, kirillmi)) {
        const Sarlavha a = sarlavha(t), b = sarlavha(*r);
        const std::string_view c = *r;
        if (belgilash(c.substr(b.oxiri)) != belgilash(t.substr(a.oxiri))) std::abort();
        for (const auto& [nom, eski] : a.sonlar) {
            const auto y = b.sonlar.find(nom);
            if (y == b.sonlar.end() || (eski < 0) != (y->second < 0)) std::abort();
            if (eski < 0) continue;
            if (std::size_t(y->second) > c.size() || std::size_t(eski) < a.oxiri) std::abort();
            if (belgilash(c.substr(b.oxiri, std::size_t(y->second) - b.oxiri)) !=
                belgilash(t.substr(a.oxiri, std::size_t(eski) - a.oxiri)))
                std::abort();
        }
    }
    return 0;
}
