#include "boymatn/html_kodlash.h"

#include <unicode/ucnv.h>
#include <unicode/utf16.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <unordered_map>

#include "engine/utf8.h"

namespace harfnur::boymatn::html {

namespace {

constexpr char32_t aniqlanmaganBayt = 0xF700;  // + the byte

// The Encoding Standard's labels of the charsets read byte by byte, and of
// UTF-8 and UTF-16, which a <meta> can only mean as UTF-8.
constexpr std::pair<const char*, const char*> yorliqlar[] = {
    {"utf-8", "unicode-1-1-utf-8 unicode11utf8 unicode20utf8 utf-8 utf8 x-unicode20utf8 "
              "unicodefffe utf-16be csunicode iso-10646-ucs-2 ucs-2 unicode unicodefeff utf-16 utf-16le"},
    {"ibm866", "866 cp866 csibm866 ibm866"},
    {"iso-8859-2", "csisolatin2 iso-8859-2 iso-ir-101 iso8859-2 iso88592 iso_8859-2 iso_8859-2:1987 l2 latin2"},
    {"iso-8859-3", "csisolatin3 iso-8859-3 iso-ir-109 iso8859-3 iso88593 iso_8859-3 iso_8859-3:1988 l3 latin3"},
    {"iso-8859-4", "csisolatin4 iso-8859-4 iso-ir-110 iso8859-4 iso88594 iso_8859-4 iso_8859-4:1988 l4 latin4"},
    {"iso-8859-5", "csisolatincyrillic cyrillic iso-8859-5 iso-ir-144 iso8859-5 iso88595 iso_8859-5 "
                   "iso_8859-5:1988"},
    {"iso-8859-6", "arabic asmo-708 csiso88596e csiso88596i csisolatinarabic ecma-114 iso-8859-6 iso-8859-6-e "
                   "iso-8859-6-i iso-ir-127 iso8859-6 iso88596 iso_8859-6 iso_8859-6:1987"},
    {"iso-8859-7", "csisolatingreek ecma-118 elot_928 greek greek8 iso-8859-7 iso-ir-126 iso8859-7 iso88597 "
                   "iso_8859-7 iso_8859-7:1987 sun_eu_greek"},
    {"iso-8859-8", "csiso88598e csisolatinhebrew hebrew iso-8859-8 iso-8859-8-e iso-ir-138 iso8859-8 iso88598 "
                   "iso_8859-8 iso_8859-8:1988 visual csiso88598i iso-8859-8-i logical"},
    {"iso-8859-10", "csisolatin6 iso-8859-10 iso-ir-157 iso8859-10 iso885910 l6 latin6"},
    {"iso-8859-13", "iso-8859-13 iso8859-13 iso885913"},
    {"iso-8859-14", "iso-8859-14 iso8859-14 iso885914"},
    {"iso-8859-15", "csisolatin9 iso-8859-15 iso8859-15 iso885915 iso_8859-15 l9"},
    {"iso-8859-16", "iso-8859-16"},
    {"koi8-r", "cskoi8r koi koi8 koi8-r koi8_r"},
    {"koi8-u", "koi8-ru koi8-u"},
    {"macintosh", "csmacintosh mac macintosh x-mac-roman"},
    {"windows-874", "dos-874 iso-8859-11 iso8859-11 iso885911 tis-620 windows-874"},
    {"windows-1250", "cp1250 windows-1250 x-cp1250"},
    {"windows-1251", "cp1251 windows-1251 x-cp1251"},
    {"windows-1252", "ansi_x3.4-1968 ascii cp1252 cp819 csisolatin1 ibm819 iso-8859-1 iso-ir-100 iso8859-1 "
                     "iso88591 iso_8859-1 iso_8859-1:1987 l1 latin1 us-ascii windows-1252 x-cp1252 x-user-defined"},
    {"windows-1253", "cp1253 windows-1253 x-cp1253"},
    {"windows-1254", "cp1254 csisolatin5 iso-8859-9 iso-ir-148 iso8859-9 iso88599 iso_8859-9 iso_8859-9:1989 l5 "
                     "latin5 windows-1254 x-cp1254"},
    {"windows-1255", "cp1255 windows-1255 x-cp1255"},
    {"windows-1256", "cp1256 windows-1256 x-cp1256"},
    {"windows-1257", "cp1257 windows-1257 x-cp1257"},
    {"windows-1258", "cp1258 windows-1258 x-cp1258"},
    {"x-mac-cyrillic", "x-mac-cyrillic x-mac-ukrainian"},
};

bool bosliqmi(char c) { return c == '\t' || c == '\n' || c == '\f' || c == '\r' || c == ' '; }

char kichik(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }

bool boshlanadimi(std::string_view t, std::size_t i, std::string_view kichikda) {
    if (t.size() - i < kichikda.size()) return false;
    for (std::size_t k = 0; k < kichikda.size(); ++k)
        if (kichik(t[i + k]) != kichikda[k]) return false;
    return true;
}

// A label's charset; an empty name for one we do not know.
std::string yorliqdan(std::string_view yorliq) {
    static const auto jadval = [] {
        std::unordered_map<std::string, std::string> j;
        for (const auto& [nomi, royxat] : yorliqlar) {
            const std::string_view r = royxat;
            for (std::size_t i = 0; i < r.size();) {
                const std::size_t s = std::min(r.find(' ', i), r.size());
                j.emplace(r.substr(i, s - i), nomi);
                i = s + 1;
            }
        }
        return j;
    }();
    while (!yorliq.empty() && bosliqmi(yorliq.front())) yorliq.remove_prefix(1);
    while (!yorliq.empty() && bosliqmi(yorliq.back())) yorliq.remove_suffix(1);
    std::string k(yorliq);
    std::transform(k.begin(), k.end(), k.begin(), kichik);
    const auto u = jadval.find(k);
    return u == jadval.end() ? std::string() : u->second;
}

// The charset a content="text/html; charset=..." names, if any.
std::optional<std::string_view> mazmundan(std::string_view s) {
    for (std::size_t i = 0;;) {
        i = s.find("charset", i);
        if (i == std::string_view::npos) return std::nullopt;
        i += 7;
        while (i < s.size() && bosliqmi(s[i])) ++i;
        if (i >= s.size() || s[i] != '=') continue;
        ++i;
        while (i < s.size() && bosliqmi(s[i])) ++i;
        if (i >= s.size()) return std::nullopt;
        if (s[i] == '"' || s[i] == '\'') {
            const std::size_t y = s.find(s[i], i + 1);
            if (y == std::string_view::npos) return std::nullopt;
            return s.substr(i + 1, y - i - 1);
        }
        std::size_t y = i;
        while (y < s.size() && !bosliqmi(s[y]) && s[y] != ';') ++y;
        return s.substr(i, y - i);
    }
}

// The prescan of the byte stream's first bytes, as the HTML standard walks it.
class OldindanKorish {
public:
    explicit OldindanKorish(std::string_view b) : b_(b.substr(0, 1024)) {}

    // The label the first <meta> that names a charset gives, if any.
    std::optional<std::string> yorliq() {
        while (i_ < b_.size()) {
            if (b_.substr(i_, 4) == "<!--") {
                const std::size_t y = b_.find("-->", i_ + 2);
                if (y == std::string_view::npos) return std::nullopt;
                i_ = y + 3;
            } else if (boshlanadimi(b_, i_, "<meta") && i_ + 5 < b_.size() &&
                       (bosliqmi(b_[i_ + 5]) || b_[i_ + 5] == '/')) {
                i_ += 5;
                if (auto y = meta()) return y;
            } else if (b_[i_] == '<' && i_ + 1 < b_.size() &&
                       (harfmi(b_[i_ + 1]) || (b_[i_ + 1] == '/' && i_ + 2 < b_.size() && harfmi(b_[i_ + 2])))) {
                while (i_ < b_.size() && !bosliqmi(b_[i_]) && b_[i_] != '>') ++i_;
                std::string n, q;
                while (xossa(n, q)) {
                }
            } else if (b_[i_] == '<' && i_ + 1 < b_.size() &&
                       (b_[i_ + 1] == '!' || b_[i_ + 1] == '/' || b_[i_ + 1] == '?')) {
                const std::size_t y = b_.find('>', i_);
                if (y == std::string_view::npos) return std::nullopt;
                i_ = y + 1;
            } else {
                ++i_;
            }
        }
        return std::nullopt;
    }

private:
    static bool harfmi(char c) { return (c | 0x20) >= 'a' && (c | 0x20) <= 'z'; }

    std::optional<std::string> meta() {
        bool pragma = false, bordiHttp = false, bordiMazmun = false, bordiCharset = false;
        std::optional<bool> pragmaKerak;
        std::optional<std::string> yorliq;
        std::string n, q;
        while (xossa(n, q)) {
            if (n == "http-equiv" && !bordiHttp) {
                bordiHttp = true;
                pragma = q == "content-type";
            } else if (n == "content" && !bordiMazmun) {
                bordiMazmun = true;
                if (!yorliq)
                    if (const auto m = mazmundan(q)) {
                        yorliq = std::string(*m);
                        pragmaKerak = true;
                    }
            } else if (n == "charset" && !bordiCharset) {
                bordiCharset = true;
                yorliq = q;
                pragmaKerak = false;
            }
        }
        if (!pragmaKerak || (*pragmaKerak && !pragma)) return std::nullopt;
        return yorliq;
    }

    // The next attribute, names and values in lower case; false when none.
    bool xossa(std::string& nom, std::string& qiymat) {
        nom.clear();
        qiymat.clear();
        auto oxirmi = [&] { return i_ >= b_.size(); };
        while (!oxirmi() && (bosliqmi(b_[i_]) || b_[i_] == '/')) ++i_;
        if (oxirmi() || b_[i_] == '>') return false;
        for (;; ++i_) {
            if (oxirmi()) return false;
            const char c = b_[i_];
            if (c == '=' && !nom.empty()) {
                ++i_;
                break;
            }
            if (bosliqmi(c)) {
                while (!oxirmi() && bosliqmi(b_[i_])) ++i_;
                if (oxirmi()) return false;
                if (b_[i_] != '=') return true;
                ++i_;
                break;
            }
            if (c == '/' || c == '>') return true;
            nom += kichik(c);
        }
        while (!oxirmi() && bosliqmi(b_[i_])) ++i_;
        if (oxirmi()) return false;
        if (b_[i_] == '"' || b_[i_] == '\'') {
            const char tirnoq = b_[i_++];
            for (; !oxirmi(); ++i_) {
                if (b_[i_] == tirnoq) {
                    ++i_;
                    return true;
                }
                qiymat += kichik(b_[i_]);
            }
            return false;
        }
        if (b_[i_] == '>') return true;
        for (; !oxirmi() && !bosliqmi(b_[i_]) && b_[i_] != '>'; ++i_) qiymat += kichik(b_[i_]);
        return !oxirmi();
    }

    std::string_view b_;
    std::size_t i_ = 0;
};

struct IcuYopuvchi {
    void operator()(UConverter* c) const { ucnv_close(c); }
};

}  // namespace

std::optional<Kodlash> kodlashniAniqla(std::string_view html) {
    if (html.substr(0, 3) == "\xEF\xBB\xBF") return Kodlash{};
    if (html.substr(0, 2) == "\xFE\xFF") return Kodlash{KodlashTuri::utf16be, {}};
    if (html.substr(0, 2) == "\xFF\xFE") return Kodlash{KodlashTuri::utf16le, {}};
    const auto yorliq = OldindanKorish(html).yorliq();
    if (!yorliq) return Kodlash{};
    std::string nomi = yorliqdan(*yorliq);
    if (nomi.empty()) return std::nullopt;
    if (nomi == "utf-8") return Kodlash{};
    return Kodlash{KodlashTuri::birBayt, std::move(nomi)};
}

std::optional<BirBayt> BirBayt::och(const std::string& nomi) {
    UErrorCode x = U_ZERO_ERROR;
    const std::unique_ptr<UConverter, IcuYopuvchi> c(ucnv_open(nomi.c_str(), &x));
    if (U_FAILURE(x)) return std::nullopt;
    ucnv_setToUCallBack(c.get(), UCNV_TO_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &x);
    if (U_FAILURE(x)) return std::nullopt;
    BirBayt j;
    for (unsigned b = 0; b < 256; ++b) {
        const char bayt = char(b);
        UChar u[4];
        x = U_ZERO_ERROR;
        ucnv_reset(c.get());
        const std::int32_t n = ucnv_toUChars(c.get(), u, 4, &bayt, 1, &x);
        const bool bor = U_SUCCESS(x) && n == 1 && !U16_IS_SURROGATE(u[0]);
        j.kodlar_[b] = bor ? char32_t(u[0]) : aniqlanmaganBayt + b;
        if (bor) j.teskari_.emplace_back(char32_t(u[0]), static_cast<unsigned char>(b));
    }
    // Of two bytes for one code point the first is the one written.
    std::stable_sort(j.teskari_.begin(), j.teskari_.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    return j;
}

std::optional<unsigned char> BirBayt::bayti(char32_t kod) const {
    if (kod >= aniqlanmaganBayt && kod < aniqlanmaganBayt + 256 && kodlar_[kod - aniqlanmaganBayt] == kod)
        return static_cast<unsigned char>(kod - aniqlanmaganBayt);
    const auto u = std::lower_bound(teskari_.begin(), teskari_.end(), kod,
                                    [](const auto& a, char32_t k) { return a.first < k; });
    if (u == teskari_.end() || u->first != kod) return std::nullopt;
    return u->second;
}

namespace {

void birlikYoz(char32_t u, bool katta, std::string& s) {
    const char a = char(u >> 8), b = char(u & 0xFF);
    s += katta ? a : b;
    s += katta ? b : a;
}

}  // namespace

void utf8Qosh(char32_t k, std::string& s) {
    if (k < 0x80) {
        s += char(k);
    } else if (k < 0x800) {
        s += char(0xC0 | k >> 6);
        s += char(0x80 | (k & 0x3F));
    } else if (k < 0x10000) {
        s += char(0xE0 | k >> 12);
        s += char(0x80 | (k >> 6 & 0x3F));
        s += char(0x80 | (k & 0x3F));
    } else {
        s += char(0xF0 | k >> 18);
        s += char(0x80 | (k >> 12 & 0x3F));
        s += char(0x80 | (k >> 6 & 0x3F));
        s += char(0x80 | (k & 0x3F));
    }
}

std::string utf16dan(std::string_view b, bool katta) {
    auto birlik = [&](std::size_t i) -> char32_t {
        const auto p = static_cast<unsigned char>(b[i]), q = static_cast<unsigned char>(b[i + 1]);
        return katta ? char32_t(p << 8 | q) : char32_t(q << 8 | p);
    };
    std::string s;
    s.reserve(b.size());
    for (std::size_t i = 0; i + 1 < b.size(); i += 2) {
        const char32_t u = birlik(i);
        if (u >= 0xD800 && u < 0xDC00 && i + 3 < b.size()) {
            const char32_t v = birlik(i + 2);
            if (v >= 0xDC00 && v < 0xE000) {
                utf8Qosh(0x10000 + ((u - 0xD800) << 10) + (v - 0xDC00), s);
                i += 2;
                continue;
            }
        }
        utf8Qosh(u, s);  // a lone surrogate too
    }
    return s;
}

std::string utf16ga(std::string_view s, bool katta) {
    std::string b;
    b.reserve(s.size() * 2);
    for (std::size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        // A lone surrogate as utf16dan wrote it.
        if (c == 0xED && i + 2 < s.size() && (static_cast<unsigned char>(s[i + 1]) & 0xE0) == 0xA0 &&
            (static_cast<unsigned char>(s[i + 2]) & 0xC0) == 0x80) {
            birlikYoz(char32_t(0xD000 | (s[i + 1] & 0x3F) << 6 | (s[i + 2] & 0x3F)), katta, b);
            i += 3;
            continue;
        }
        const auto k = utf8::ochish(s, i);
        if (k.uzunlik == 0) {
            birlikYoz(0xFFFD, katta, b);
            ++i;
            continue;
        }
        if (k.kod >= 0x10000) {
            birlikYoz(0xD800 + ((k.kod - 0x10000) >> 10), katta, b);
            birlikYoz(0xDC00 + ((k.kod - 0x10000) & 0x3FF), katta, b);
        } else {
            birlikYoz(k.kod, katta, b);
        }
        i += k.uzunlik;
    }
    return b;
}

}  // namespace harfnur::boymatn::html
