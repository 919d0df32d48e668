// Any bytes as RTF: no crash; what comes back has every token that is not
// text of what went in, byte for byte and in order, as a second, simpler
// reader finds them; it reads again, and its text is the input's converted.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "boymatn/rtf.h"
#include "boymatn/rtf_oqish.h"
#include "engine/ogir.h"

namespace {

bool harfmi(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool raqammi(char c) { return c >= '0' && c <= '9'; }
bool hexmi(char c) { return raqammi(c) || ((c | 0x20) >= 'a' && (c | 0x20) <= 'f'); }

// Control words that stand for a Character, as RTF defines them.
bool harfSozmi(std::string_view n) {
    for (std::string_view h : {"lquote", "rquote", "ldblquote", "rdblquote", "bullet", "endash", "emdash", "enspace",
                               "emspace", "qmspace", "zwj", "zwnj", "zwbo", "zwnbo", "ltrmark", "rtlmark"})
        if (n == h) return true;
    return false;
}

// Braces, line ends, control words and symbols with \bin's bytes; text
// (bytes, \'hh, \uN, \~ \_ \- \\ \{ \}, the Character words) left out.
std::vector<std::string_view> matnsiz(std::string_view s) {
    std::vector<std::string_view> r;
    const std::size_t n = s.size();
    for (std::size_t i = 0; i < n;) {
        const char c = s[i];
        if (c == '{' || c == '}' || c == '\r' || c == '\n') {
            r.push_back(s.substr(i++, 1));
            continue;
        }
        if (c != '\\') {
            ++i;
            continue;
        }
        if (i + 1 == n) {
            r.push_back(s.substr(i++));
            continue;
        }
        const char d = s[i + 1];
        if (d == '\'') {
            if (i + 3 < n && hexmi(s[i + 2]) && hexmi(s[i + 3])) {
                i += 4;
            } else {
                r.push_back(s.substr(i, 2));
                i += 2;
            }
            continue;
        }
        if (!harfmi(d)) {
            if (std::string_view("~_-\\{}").find(d) == std::string_view::npos) r.push_back(s.substr(i, 2));
            i += 2;
            continue;
        }
        std::size_t j = i + 1;
        while (j < n && harfmi(s[j])) ++j;
        const std::string_view nom = s.substr(i + 1, j - i - 1);
        bool manfiy = false;
        if (j + 1 < n && s[j] == '-' && raqammi(s[j + 1])) {
            manfiy = true;
            ++j;
        }
        const std::size_t raqamBoshi = j;
        std::uint64_t son = 0;
        for (; j < n && raqammi(s[j]); ++j) son = son > n ? son : son * 10 + std::uint64_t(s[j] - '0');
        const bool parametrli = j > raqamBoshi;
        if (j < n && s[j] == ' ') ++j;
        if (nom == "bin" && parametrli && !manfiy) j += son < n - j ? std::size_t(son) : n - j;
        if (!(parametrli && nom == "u") && !harfSozmi(nom)) r.push_back(s.substr(i, j - i));
        i = j;
    }
    return r;
}

// The text as the converter reads it; anything it returned must read.
std::string matni(std::string_view s) {
    const auto o = harfnur::boymatn::rtf::oqi(s);
    if (!o) std::abort();
    std::string r;
    for (const auto& q : o->qismlar) r += o->qismMatni(q);
    return r;
}

// Breaks of any length as one: a run that converts to nothing joins two.
std::string qisqa(std::string_view t) {
    std::string r;
    for (char c : t)
        if (c != '\n' || r.empty() || r.back() != '\n') r += c;
    return r;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view t(reinterpret_cast<const char*>(data), size);
    const auto r = harfnur::boymatn::rtfOgir(t);
    if (!r) return 0;
    if (matnsiz(*r) != matnsiz(t)) std::abort();
    // Converting it again may be refused (a \uc too large for a letter that
    // now changes), but reading it may not.
    if (qisqa(matni(*r)) != qisqa(harfnur::ogir(matni(t)))) std::abort();
    return 0;
}
