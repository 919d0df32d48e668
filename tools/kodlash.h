// Encodings of an input: UTF-8, UTF-16 with its byte order mark, or any
// encoding ICU can read; and the looks of text that will not convert.
#pragma once

#include <string>
#include <string_view>

struct UConverter;

namespace harfnur::ogiruvchi {

enum class Kodlash { utf8, utf16le, utf16be };

// UTF-16 when `baytlar` start with its byte order mark.
Kodlash belgidan(std::string_view baytlar);

// UTF-16 units (after the mark) to UTF-8, part by part: a unit or a
// surrogate pair may be split between parts. Lossless: a lone surrogate
// becomes its three-byte form, which the engine passes as it is and utf16ga
// turns back into the same unit.
class Utf16Ochuvchi {
public:
    explicit Utf16Ochuvchi(bool kattami) : katta_(kattami) {}
    // Appends the UTF-8 of the whole units so far.
    void qosh(std::string_view baytlar, std::string& chiqish);
    // After the last part: a high surrogate still waiting for its pair goes
    // alone. Returns an odd last byte, which is no unit, for the caller.
    std::string tugat(std::string& chiqish);

private:
    bool katta_;
    std::string yarim_;    // a unit's first byte, its second yet to come
    unsigned yuqori_ = 0;  // a high surrogate waiting for the next unit
};
// The same for a whole text; an odd last byte is dropped.
std::string utf16dan(std::string_view baytlar, bool kattami);
// Appends UTF-8 (lone surrogates in their three-byte form allowed) as UTF-16.
void utf16ga(std::string_view utf8, bool kattami, std::string& chiqish);

// Any encoding ICU knows, to UTF-8, part by part; a character may be split
// between parts.
class IcuOchuvchi {
public:
    IcuOchuvchi() = default;
    ~IcuOchuvchi();
    IcuOchuvchi(const IcuOchuvchi&) = delete;
    IcuOchuvchi& operator=(const IcuOchuvchi&) = delete;
    // False, with `xato` set, when ICU does not know the name.
    bool och(const std::string& kodlash, std::string& xato);
    // Appends the UTF-8 of the next part; `oxirgimi` with the last one (which
    // may be empty). False with `xato` set when the converter fails.
    bool qosh(std::string_view baytlar, bool oxirgimi, std::string& chiqish, std::string& xato);

private:
    UConverter* manba_ = nullptr;
    UConverter* utf8_ = nullptr;
    std::string kodlash_;
    char16_t oraliq_[1024];  // ICU's pivot: kept from part to part
    char16_t* oraliqBoshi_ = oraliq_;
    char16_t* oraliqOxiri_ = oraliq_;
    bool boshlandi_ = false;
};
bool icuBilarmi(const std::string& kodlash);

// A NUL byte in the first 64 KB.
bool ikkilikmi(std::string_view baytlar);
// Most bytes outside ASCII in the first 64 KB fail to read as UTF-8: text in
// another encoding, where nothing will convert.
bool utf8Emasmi(std::string_view baytlar);

}  // namespace harfnur::ogiruvchi
