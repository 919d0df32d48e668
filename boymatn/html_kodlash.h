// The charset of an HTML document and the ways to read and write its text.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace harfnur::boymatn::html {

enum class KodlashTuri { utf8, utf16le, utf16be, birBayt };

struct Kodlash {
    KodlashTuri tur = KodlashTuri::utf8;
    std::string nomi;  // ICU's name of a single-byte charset
};

// As a browser finds it: a byte order mark, else a <meta> in the first 1024
// bytes, else UTF-8. Nothing for a charset we cannot read byte by byte.
std::optional<Kodlash> kodlashniAniqla(std::string_view html);

// A single-byte charset as ICU maps it. A byte it leaves undefined reads as
// a private-use code point of its own, so that it is written back as it was.
class BirBayt {
public:
    static std::optional<BirBayt> och(const std::string& nomi);
    char32_t kodi(unsigned char b) const { return kodlar_[b]; }
    // The byte for `kod`, if the charset has one.
    std::optional<unsigned char> bayti(char32_t kod) const;

private:
    std::array<char32_t, 256> kodlar_{};
    std::vector<std::pair<char32_t, unsigned char>> teskari_;  // sorted by code point
};

void utf8Qosh(char32_t kod, std::string& chiqish);

// UTF-16 as UTF-8 and back again. A lone surrogate is three bytes of its
// own, invalid UTF-8 that the engine passes through, so it comes back too.
std::string utf16dan(std::string_view baytlar, bool kattaBoshli);
std::string utf16ga(std::string_view utf8, bool kattaBoshli);

}  // namespace harfnur::boymatn::html
