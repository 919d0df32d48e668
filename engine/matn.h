// The text buffer of Characters and the shape shared by the two steps.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string_view>
#include <vector>

#include "engine/sinf.h"

namespace harfnur::ichki {

// One Character: its bytes [boshi, oxiri) in the input and its class.
struct Belgi {
    std::size_t boshi = 0;
    std::size_t oxiri = 0;
    Sinf sinf = 0;
};

// A text's Characters in order, read-only while the steps run.
struct Matn {
    std::vector<Belgi> belgilar;

    std::ptrdiff_t soni() const { return std::ptrdiff_t(belgilar.size()); }
    // Class at a position; an absent neighbour reads as 0 and fails every test.
    Sinf sinf(std::ptrdiff_t i) const {
        return i >= 0 && i < soni() ? belgilar[std::size_t(i)].sinf : 0;
    }
};

// A short replacement text in a fixed buffer, so that it can be written as
// one 8-byte move. The longest replacement is 4 bytes ("ŞÇ").
struct Parcha {
    char b[8] = {};
    std::uint8_t n = 0;
    Parcha() = default;
    explicit Parcha(std::string_view s) {
        if (s.size() > sizeof b) std::abort();  // a table entry that cannot be
        for (std::size_t i = 0; i < s.size(); ++i) b[i] = s[i];
        n = std::uint8_t(s.size());
    }
    std::string_view sv() const { return {b, n}; }
};

// A step's answer: the replacement and how many Characters it stands for.
// The replacement always has 8 readable bytes behind its start.
struct Qadam {
    std::string_view almashtirish;
    int yutildi;
};

using QadamNatijasi = std::optional<Qadam>;

}  // namespace harfnur::ichki
