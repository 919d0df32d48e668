#include "boymatn/rtf_parcha.h"

#include <cstdint>

namespace harfnur::boymatn::rtf {

namespace {

bool harfmi(unsigned char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool raqammi(unsigned char c) { return c >= '0' && c <= '9'; }

int hexQiymat(unsigned char c) {
    if (raqammi(c)) return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace

Parcha keyingiParcha(std::string_view rtf, std::size_t i) {
    const auto* s = reinterpret_cast<const unsigned char*>(rtf.data());
    const std::size_t n = rtf.size();
    Parcha p;
    p.bosh = i;
    switch (s[i]) {
        case '{':
            p.tur = Tur::Ochish;
            p.oxir = i + 1;
            return p;
        case '}':
            p.tur = Tur::Yopish;
            p.oxir = i + 1;
            return p;
        case '\r':
        case '\n':
            p.tur = Tur::Qator;
            p.oxir = i + 1;
            return p;
        case '\\':
            break;
        default: {
            std::size_t j = i + 1;
            while (j < n && s[j] != '\\' && s[j] != '{' && s[j] != '}' && s[j] != '\r' && s[j] != '\n') ++j;
            p.tur = Tur::Matn;
            p.oxir = j;
            return p;
        }
    }

    std::size_t j = i + 1;
    if (j == n) {
        p.tur = Tur::Belgi;
        p.oxir = j;
        return p;
    }
    if (!harfmi(s[j])) {
        p.belgi = char(s[j]);
        p.tur = Tur::Belgi;
        p.oxir = j + 1;
        if (s[j] == '\'' && j + 2 < n && hexQiymat(s[j + 1]) >= 0 && hexQiymat(s[j + 2]) >= 0) {
            p.tur = Tur::Hex;
            p.parametr = hexQiymat(s[j + 1]) * 16 + hexQiymat(s[j + 2]);
            p.oxir = j + 3;
        }
        return p;
    }

    p.tur = Tur::Soz;
    const std::size_t nomBoshi = j;
    while (j < n && harfmi(s[j])) ++j;
    p.nom = rtf.substr(nomBoshi, j - nomBoshi);
    const bool manfiy = j + 1 < n && s[j] == '-' && raqammi(s[j + 1]);
    if (manfiy) ++j;
    if (j < n && raqammi(s[j])) {
        p.parametrli = true;
        std::int64_t q = 0;
        for (; j < n && raqammi(s[j]); ++j)
            if (q <= INT32_MAX) q = q * 10 + (s[j] - '0');
        if (manfiy) q = -q;
        p.parametr = std::int32_t(q > INT32_MAX ? INT32_MAX : q < INT32_MIN ? INT32_MIN : q);
    }
    if (j < n && s[j] == ' ') {
        p.ajratgichli = true;
        ++j;
    }
    p.oxir = j;
    if (p.nom == "bin" && p.parametrli) {
        p.tur = Tur::Ikkilik;
        if (p.parametr > 0) p.oxir = std::size_t(p.parametr) < n - j ? j + std::size_t(p.parametr) : n;
    }
    return p;
}

}  // namespace harfnur::boymatn::rtf
