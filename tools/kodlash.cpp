#include "tools/kodlash.h"

#include <unicode/ucnv.h>

#include <climits>
#include <cstring>
#include <memory>

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

std::string utf16dan(std::string_view b, bool katta) {
    std::string r;
    r.reserve(b.size() * 3 / 2);
    const auto* s = reinterpret_cast<const unsigned char*>(b.data());
    const std::size_t n = b.size() / 2;
    auto birlik = [&](std::size_t i) -> unsigned {
        return katta ? unsigned(s[2 * i]) << 8 | s[2 * i + 1] : unsigned(s[2 * i + 1]) << 8 | s[2 * i];
    };
    for (std::size_t i = 0; i < n; ++i) {
        const unsigned u = birlik(i);
        if (u >= 0xD800 && u < 0xDC00 && i + 1 < n) {
            const unsigned v = birlik(i + 1);
            if (v >= 0xDC00 && v < 0xE000) {
                utf8ga(0x10000 + ((char32_t(u) - 0xD800) << 10) + (v - 0xDC00), r);
                ++i;
                continue;
            }
        }
        utf8ga(u, r);
    }
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

std::optional<std::string> icudan(std::string_view b, const std::string& kodlash, std::string& xato) {
    if (b.size() > std::size_t(INT_MAX) / 4) {
        xato = "too large for --from";
        return std::nullopt;
    }
    std::string r(b.size() * 3 + 16, '\0');
    UErrorCode h = U_ZERO_ERROR;
    const int32_t n = ucnv_convert("UTF-8", kodlash.c_str(), r.data(), int32_t(r.size()), b.data(),
                                   int32_t(b.size()), &h);
    if (U_FAILURE(h)) {
        xato = std::string("cannot read as ") + kodlash + ": " + u_errorName(h);
        return std::nullopt;
    }
    r.resize(std::size_t(n));
    return r;
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
