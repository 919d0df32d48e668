#include "tools/kodlash.h"

#include <unicode/ucnv.h>

#include <algorithm>
#include <cstring>
#include <iterator>
#include <utility>

#include "engine/utf8.h"

namespace harfnur::ogiruvchi {

namespace {
constexpr std::size_t namuna = 64 << 10;

void utf8ga(char32_t k, std::string& r) {
    if (k < 0x80) {
        r += char(k);
    } else if (k < 0x800) {
        r += char(0xC0 | (k >> 6));
        r += char(0x80 | (k & 0x3F));
    } else if (k < 0x10000) {
        r += char(0xE0 | (k >> 12));
        r += char(0x80 | ((k >> 6) & 0x3F));
        r += char(0x80 | (k & 0x3F));
    } else {
        r += char(0xF0 | (k >> 18));
        r += char(0x80 | ((k >> 12) & 0x3F));
        r += char(0x80 | ((k >> 6) & 0x3F));
        r += char(0x80 | (k & 0x3F));
    }
}

void birlik(unsigned u, bool katta, std::string& r) {
    if (katta) {
        r += char(u >> 8);
        r += char(u & 0xFF);
    } else {
        r += char(u & 0xFF);
        r += char(u >> 8);
    }
}
}  // namespace

Kodlash belgidan(std::string_view b) {
    if (b.size() >= 2 && b[0] == '\xFF' && b[1] == '\xFE') return Kodlash::utf16le;
    if (b.size() >= 2 && b[0] == '\xFE' && b[1] == '\xFF') return Kodlash::utf16be;
    return Kodlash::utf8;
}

void Utf16Ochuvchi::qosh(std::string_view b, std::string& r) {
    const auto* s = reinterpret_cast<const unsigned char*>(b.data());
    std::size_t i = 0;
    auto birlik = [this](unsigned char a, unsigned char c) -> unsigned {
        return katta_ ? unsigned(a) << 8 | c : unsigned(c) << 8 | a;
    };
    auto ber = [this, &r](unsigned u) {
        if (yuqori_) {
            if (u >= 0xDC00 && u < 0xE000) {
                utf8ga(0x10000 + ((char32_t(yuqori_) - 0xD800) << 10) + (u - 0xDC00), r);
                yuqori_ = 0;
                return;
            }
            utf8ga(yuqori_, r);
            yuqori_ = 0;
        }
        if (u >= 0xD800 && u < 0xDC00)
            yuqori_ = u;
        else
            utf8ga(u, r);
    };
    r.reserve(r.size() + b.size() * 3 / 2);
    if (!yarim_.empty() && !b.empty()) {
        ber(birlik(static_cast<unsigned char>(yarim_[0]), s[0]));
        yarim_.clear();
        i = 1;
    }
    for (; i + 1 < b.size(); i += 2) ber(birlik(s[i], s[i + 1]));
    if (i < b.size()) yarim_.assign(1, b[i]);
}

std::string Utf16Ochuvchi::tugat(std::string& r) {
    if (yuqori_) utf8ga(yuqori_, r);
    yuqori_ = 0;
    return std::exchange(yarim_, {});
}

std::string utf16dan(std::string_view b, bool katta) {
    Utf16Ochuvchi o(katta);
    std::string r;
    o.qosh(b, r);
    o.tugat(r);
    return r;
}

void utf16ga(std::string_view t, bool katta, std::string& r) {
    const auto* s = reinterpret_cast<const unsigned char*>(t.data());
    for (std::size_t i = 0; i < t.size();) {
        const unsigned b0 = s[i];
        // The engine gives valid UTF-8 and passes everything else unchanged;
        // the only non-UTF-8 here is a lone surrogate's three bytes.
        if (b0 == 0xED && i + 2 < t.size() && (s[i + 1] & 0xE0) == 0xA0 && (s[i + 2] & 0xC0) == 0x80) {
            birlik(0xD000 | (s[i + 1] & 0x3Fu) << 6 | (s[i + 2] & 0x3Fu), katta, r);
            i += 3;
            continue;
        }
        const utf8::Skalyar k = utf8::ochish(t, i);
        if (k.uzunlik == 0) {
            birlik(0xFFFD, katta, r);
            ++i;
        } else if (k.kod >= 0x10000) {
            birlik(0xD800 + ((k.kod - 0x10000) >> 10), katta, r);
            birlik(0xDC00 + ((k.kod - 0x10000) & 0x3FF), katta, r);
            i += k.uzunlik;
        } else {
            birlik(unsigned(k.kod), katta, r);
            i += k.uzunlik;
        }
    }
}

bool icuBilarmi(const std::string& kodlash) {
    UErrorCode h = U_ZERO_ERROR;
    UConverter* c = ucnv_open(kodlash.c_str(), &h);
    if (c) ucnv_close(c);
    return U_SUCCESS(h);
}

IcuOchuvchi::~IcuOchuvchi() {
    if (manba_) ucnv_close(manba_);
    if (utf8_) ucnv_close(utf8_);
}

bool IcuOchuvchi::och(const std::string& kodlash, std::string& xato) {
    UErrorCode h = U_ZERO_ERROR;
    manba_ = ucnv_open(kodlash.c_str(), &h);
    if (U_SUCCESS(h)) utf8_ = ucnv_open("UTF-8", &h);
    if (U_FAILURE(h)) {
        xato = std::string("cannot read as ") + kodlash + ": " + u_errorName(h);
        return false;
    }
    kodlash_ = kodlash;
    return true;
}

bool IcuOchuvchi::qosh(std::string_view b, bool oxirgimi, std::string& r, std::string& xato) {
    // ICU takes no null source, which an empty view may carry.
    const char* manba = b.empty() ? "" : b.data();
    const char* const manbaOxiri = manba + b.size();
    // A byte gives at most three of UTF-8 in the encodings ICU has; the loop
    // covers any that gives more.
    std::size_t joy = b.size() * 3 + 16;
    for (;;) {
        const std::size_t oldin = r.size();
        r.resize(oldin + joy);
        char* nishon = r.data() + oldin;
        UErrorCode h = U_ZERO_ERROR;
        ucnv_convertEx(utf8_, manba_, &nishon, r.data() + r.size(), &manba, manbaOxiri, oraliq_, &oraliqBoshi_,
                       &oraliqOxiri_, oraliq_ + std::size(oraliq_), !boshlandi_, oxirgimi, &h);
        boshlandi_ = true;
        r.resize(std::size_t(nishon - r.data()));
        if (h == U_BUFFER_OVERFLOW_ERROR) {
            joy = std::max<std::size_t>(joy, 1 << 16);
            continue;
        }
        if (U_FAILURE(h)) {
            xato = std::string("cannot read as ") + kodlash_ + ": " + u_errorName(h);
            return false;
        }
        return true;
    }
}

bool ikkilikmi(std::string_view b) { return std::memchr(b.data(), '\0', std::min(b.size(), namuna)) != nullptr; }

bool utf8Emasmi(std::string_view b) {
    const std::string_view t = b.substr(0, std::min(b.size(), namuna));
    std::size_t tashqi = 0, yaroqsiz = 0;
    for (std::size_t i = 0; i < t.size();) {
        if (static_cast<unsigned char>(t[i]) < 0x80) {
            ++i;
            continue;
        }
        const utf8::Skalyar k = utf8::ochish(t, i);
        // A sequence cut by the end of the sample is not held against it.
        const std::size_t uz = k.uzunlik ? k.uzunlik : 1;
        tashqi += uz;
        if (k.uzunlik == 0 && t.size() - i > 4) ++yaroqsiz;
        i += uz;
    }
    return yaroqsiz >= 4 && 2 * yaroqsiz > tashqi;
}

}  // namespace harfnur::ogiruvchi
