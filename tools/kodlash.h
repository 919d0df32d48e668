// Encodings of an input: UTF-8, UTF-16 with its byte order mark, or any
// encoding ICU can read; and the looks of text that will not convert.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace harfnur::ogiruvchi {

enum class Kodlash { utf8, utf16le, utf16be };

// UTF-16 when `baytlar` start with its byte order mark.
Kodlash belgidan(std::string_view baytlar);

// UTF-16 units (after the mark) to UTF-8. Lossless: a lone surrogate becomes
// its three-byte form, which the engine passes as it is and utf16ga turns
// back into the same unit. An odd last byte is left to the caller.
std::string utf16dan(std::string_view baytlar, bool kattami);
// Appends UTF-8 (lone surrogates in their three-byte form allowed) as UTF-16.
void utf16ga(std::string_view utf8, bool kattami, std::string& chiqish);

// Any encoding ICU knows, to UTF-8. Nothing, with `xato` set, when the name is
// unknown or the text is too large for the converter.
std::optional<std::string> icudan(std::string_view baytlar, const std::string& kodlash, std::string& xato);
bool icuBilarmi(const std::string& kodlash);

// A NUL byte in the first 64 KB.
bool ikkilikmi(std::string_view baytlar);
// Most bytes outside ASCII in the first 64 KB fail to read as UTF-8: text in
// another encoding, where nothing will convert.
bool utf8Emasmi(std::string_view baytlar);

}  // namespace harfnur::ogiruvchi
