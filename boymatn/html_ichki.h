// What the clipboard's "HTML Format" needs of the HTML converter: the text
// read as UTF-8 whatever a <meta> says, and where the bytes moved.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace harfnur::boymatn::html {

// Input bytes [eskiBoshi, eskiOxiri) became output bytes [yangiBoshi, yangiOxiri).
struct Almashtirish {
    std::size_t eskiBoshi, eskiOxiri, yangiBoshi, yangiOxiri;
};

struct Natija {
    std::string matn;
    std::vector<Almashtirish> almashtirishlar;  // in order, none overlapping
};

Natija utf8niOgir(std::string_view html, std::optional<bool> kirillmi);

}  // namespace harfnur::boymatn::html
