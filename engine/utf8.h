// Strict UTF-8 decoding of one scalar. Overlong forms, surrogates and
// values past U+10FFFF are invalid; the caller then treats a single byte
// as a Character of its own.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace harfnur::utf8 {

struct Skalyar {
    char32_t kod = 0;
    std::uint8_t uzunlik = 0;  // 0: the byte at the position is invalid
};

inline Skalyar ochish(std::string_view t, std::size_t i) noexcept {
    const auto* s = reinterpret_cast<const unsigned char*>(t.data());
    const std::size_t n = t.size();
    const unsigned char b0 = s[i];
    if (b0 < 0x80) return {b0, 1};
    auto davomi = [&](std::size_t k) { return k < n && (s[k] & 0xC0) == 0x80; };
    if (b0 >= 0xC2 && b0 <= 0xDF) {
        if (!davomi(i + 1)) return {};
        return {char32_t((b0 & 0x1F) << 6 | (s[i + 1] & 0x3F)), 2};
    }
    if (b0 >= 0xE0 && b0 <= 0xEF) {
        if (!davomi(i + 1) || !davomi(i + 2)) return {};
        const unsigned char b1 = s[i + 1];
        if (b0 == 0xE0 && b1 < 0xA0) return {};  // overlong
        if (b0 == 0xED && b1 > 0x9F) return {};  // surrogate
        return {char32_t((b0 & 0x0F) << 12 | (b1 & 0x3F) << 6 | (s[i + 2] & 0x3F)), 3};
    }
    if (b0 >= 0xF0 && b0 <= 0xF4) {
        if (!davomi(i + 1) || !davomi(i + 2) || !davomi(i + 3)) return {};
        const unsigned char b1 = s[i + 1];
        if (b0 == 0xF0 && b1 < 0x90) return {};  // overlong
        if (b0 == 0xF4 && b1 > 0x8F) return {};  // past U+10FFFF
        return {char32_t((b0 & 0x07) << 18 | (b1 & 0x3F) << 12 | (s[i + 2] & 0x3F) << 6 |
                         (s[i + 3] & 0x3F)),
                4};
    }
    return {};
}

}  // namespace harfnur::utf8
