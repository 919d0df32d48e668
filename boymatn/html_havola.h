// Character references in HTML text, read as a browser reads them in
// character data. Only the ones that can stand for a letter, an apostrophe,
// a quote or a blank are decoded; any other name is known by its extent.
#pragma once

#include <cstddef>
#include <string_view>

namespace harfnur::boymatn::html {

struct Havola {
    std::size_t uzunlik = 0;  // bytes from the '&'; 0: the '&' is plain text
    char32_t kod = 0;         // what it stands for, when not `noaniq`
    bool nuqtaliVergulli = false;  // ends in ';', so nothing after it can join it
    bool noaniq = false;      // a name we do not decode: only its bytes are known
};

// The reference at t[i] == '&'.
Havola havolaniOqi(std::string_view t, std::size_t i);

}  // namespace harfnur::boymatn::html
