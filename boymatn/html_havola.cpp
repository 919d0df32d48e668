#include "boymatn/html_havola.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <unordered_map>

namespace harfnur::boymatn::html {

namespace {

// U+00A0..U+00FF in order. Browsers also read these without the ';'.
constexpr const char* latin1Nomlar[96] = {
    "nbsp",   "iexcl",  "cent",   "pound",  "curren", "yen",    "brvbar", "sect",   "uml",    "copy",
    "ordf",   "laquo",  "not",    "shy",    "reg",    "macr",   "deg",    "plusmn", "sup2",   "sup3",
    "acute",  "micro",  "para",   "middot", "cedil",  "sup1",   "ordm",   "raquo",  "frac14", "frac12",
    "frac34", "iquest", "Agrave", "Aacute", "Acirc",  "Atilde", "Auml",   "Aring",  "AElig",  "Ccedil",
    "Egrave", "Eacute", "Ecirc",  "Euml",   "Igrave", "Iacute", "Icirc",  "Iuml",   "ETH",    "Ntilde",
    "Ograve", "Oacute", "Ocirc",  "Otilde", "Ouml",   "times",  "Oslash", "Ugrave", "Uacute", "Ucirc",
    "Uuml",   "Yacute", "THORN",  "szlig",  "agrave", "aacute", "acirc",  "atilde", "auml",   "aring",
    "aelig",  "ccedil", "egrave", "eacute", "ecirc",  "euml",   "igrave", "iacute", "icirc",  "iuml",
    "eth",    "ntilde", "ograve", "oacute", "ocirc",  "otilde", "ouml",   "divide", "oslash", "ugrave",
    "uacute", "ucirc",  "uuml",   "yacute", "thorn",  "yuml",
};

struct Nom {
    const char* nomi;
    char32_t kod;
};

// The rest of the names read without a ';'.
constexpr Nom eskiNomlar[] = {
    {"amp", '&'}, {"lt", '<'}, {"gt", '>'}, {"quot", '"'}, {"AMP", '&'}, {"LT", '<'},
    {"GT", '>'},  {"QUOT", '"'}, {"COPY", 0xA9}, {"REG", 0xAE},
};

// Names that need their ';': apostrophes, quotes, blanks, Turkic and
// Cyrillic letters.
constexpr Nom nuqtaliNomlar[] = {
    {"apos", 0x27},      {"grave", 0x60},     {"DiacriticalGrave", 0x60}, {"DiacriticalAcute", 0xB4},
    {"lsquo", 0x2018},   {"rsquo", 0x2019},   {"rsquor", 0x2019},  {"sbquo", 0x201A},  {"lsquor", 0x201A},
    {"OpenCurlyQuote", 0x2018}, {"CloseCurlyQuote", 0x2019},       {"ldquo", 0x201C},  {"rdquo", 0x201D},
    {"rdquor", 0x201D},  {"bdquo", 0x201E},   {"ldquor", 0x201E},  {"OpenCurlyDoubleQuote", 0x201C},
    {"CloseCurlyDoubleQuote", 0x201D},        {"lsaquo", 0x2039},  {"rsaquo", 0x203A},  {"prime", 0x2032},
    {"Prime", 0x2033},   {"bprime", 0x2035},  {"ndash", 0x2013},   {"mdash", 0x2014},  {"hellip", 0x2026},
    {"bull", 0x2022},    {"ensp", 0x2002},    {"emsp", 0x2003},    {"thinsp", 0x2009}, {"zwnj", 0x200C},
    {"zwj", 0x200D},     {"lrm", 0x200E},     {"rlm", 0x200F},     {"NonBreakingSpace", 0xA0},
    {"circ", 0x2C6},     {"tilde", 0x2DC},    {"OElig", 0x152},    {"oelig", 0x153},   {"Yuml", 0x178},
    {"Scaron", 0x160},   {"scaron", 0x161},   {"Scedil", 0x15E},   {"scedil", 0x15F},  {"Ccaron", 0x10C},
    {"ccaron", 0x10D},   {"Gbreve", 0x11E},   {"gbreve", 0x11F},   {"Idot", 0x130},    {"imath", 0x131},
    {"inodot", 0x131},
    {"IOcy", 0x401},     {"DJcy", 0x402},     {"GJcy", 0x403},     {"Jukcy", 0x404},   {"DScy", 0x405},
    {"Iukcy", 0x406},    {"YIcy", 0x407},     {"Jsercy", 0x408},   {"LJcy", 0x409},    {"NJcy", 0x40A},
    {"TSHcy", 0x40B},    {"KJcy", 0x40C},     {"Ubrcy", 0x40E},    {"DZcy", 0x40F},
    {"iocy", 0x451},     {"djcy", 0x452},     {"gjcy", 0x453},     {"jukcy", 0x454},   {"dscy", 0x455},
    {"iukcy", 0x456},    {"yicy", 0x457},     {"jsercy", 0x458},   {"ljcy", 0x459},    {"njcy", 0x45A},
    {"tshcy", 0x45B},    {"kjcy", 0x45C},     {"ubrcy", 0x45E},    {"dzcy", 0x45F},
};

// U+0410..U+042F; the small letters are the same names in lower case.
constexpr const char* kirillNomlar[32] = {
    "Acy", "Bcy", "Vcy", "Gcy",  "Dcy",  "IEcy",   "ZHcy",   "Zcy", "Icy",    "Jcy", "Kcy",
    "Lcy", "Mcy", "Ncy", "Ocy",  "Pcy",  "Rcy",    "Scy",    "Tcy", "Ucy",    "Fcy", "KHcy",
    "TScy", "CHcy", "SHcy", "SHCHcy", "HARDcy", "Ycy", "SOFTcy", "Ecy", "YUcy", "YAcy",
};

struct Jadval {
    std::unordered_map<std::string, char32_t> nuqtali;  // every name, read with its ';'
    std::unordered_map<std::string, char32_t> eski;     // those also read without it
    Jadval() {
        for (char32_t k = 0; k < 96; ++k) eski.emplace(latin1Nomlar[k], 0xA0 + k);
        for (const Nom& n : eskiNomlar) eski.emplace(n.nomi, n.kod);
        nuqtali = eski;
        for (const Nom& n : nuqtaliNomlar) nuqtali.emplace(n.nomi, n.kod);
        for (char32_t k = 0; k < 32; ++k) {
            std::string nom = kirillNomlar[k];
            nuqtali.emplace(nom, 0x410 + k);
            for (char& c : nom)
                if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
            nuqtali.emplace(nom, 0x430 + k);
        }
    }
};

const Jadval& jadval() {
    static const Jadval j;
    return j;
}

bool harfRaqammi(char c) { return (c >= '0' && c <= '9') || ((c | 0x20) >= 'a' && (c | 0x20) <= 'z'); }

// What a browser makes of a number: no NUL, surrogate or value past Unicode,
// and the C1 range read as windows-1252, as pages written there meant it.
char32_t sonniTuzat(std::uint32_t v) {
    static constexpr char16_t c1[32] = {
        0x20AC, 0x81,   0x201A, 0x192,  0x201E, 0x2026, 0x2020, 0x2021, 0x2C6,  0x2030, 0x160,
        0x2039, 0x152,  0x8D,   0x17D,  0x8F,   0x90,   0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x2DC,  0x2122, 0x161,  0x203A, 0x153,  0x9D,   0x17E,  0x178,
    };
    if (v == 0 || v > 0x10FFFF || (v >= 0xD800 && v <= 0xDFFF)) return 0xFFFD;
    if (v >= 0x80 && v <= 0x9F) return c1[v - 0x80];
    return v;
}

Havola sonliHavola(std::string_view t, std::size_t i) {
    std::size_t j = i + 2;
    const bool onOltilik = j < t.size() && (t[j] | 0x20) == 'x';
    if (onOltilik) ++j;
    const std::size_t raqamBoshi = j;
    std::uint32_t v = 0;
    for (; j < t.size(); ++j) {
        const char c = t[j];
        unsigned r;
        if (c >= '0' && c <= '9') r = unsigned(c - '0');
        else if (onOltilik && (c | 0x20) >= 'a' && (c | 0x20) <= 'f') r = unsigned((c | 0x20) - 'a' + 10);
        else break;
        v = v * (onOltilik ? 16 : 10) + r;
        if (v > 0x10FFFF) v = 0x110000;  // stays out of range however long
    }
    if (j == raqamBoshi) return {};  // "&#" with no digits is text
    Havola h;
    h.kod = sonniTuzat(v);
    h.nuqtaliVergulli = j < t.size() && t[j] == ';';
    h.uzunlik = j + (h.nuqtaliVergulli ? 1 : 0) - i;
    return h;
}

}  // namespace

Havola havolaniOqi(std::string_view t, std::size_t i) {
    if (i + 1 < t.size() && t[i + 1] == '#') return sonliHavola(t, i);
    std::size_t j = i + 1;
    while (j < t.size() && harfRaqammi(t[j])) ++j;
    if (j == i + 1) return {};
    const std::string nom(t.substr(i + 1, j - i - 1));
    const Jadval& jd = jadval();
    Havola h;
    if (j < t.size() && t[j] == ';') {
        // A browser takes the longest name it knows; with the ';' that is
        // the whole of it or, when it knows the name, something we do not.
        h.uzunlik = j + 1 - i;
        h.nuqtaliVergulli = true;
        const auto u = jd.nuqtali.find(nom);
        if (u == jd.nuqtali.end()) h.noaniq = true;
        else h.kod = u->second;
        return h;
    }
    // Without it only the old names count, the longest that starts the run.
    for (std::size_t n = std::min<std::size_t>(nom.size(), 6); n >= 2; --n) {
        const auto u = jd.eski.find(nom.substr(0, n));
        if (u != jd.eski.end()) {
            h.uzunlik = n + 1;
            h.kod = u->second;
            return h;
        }
    }
    return {};
}

}  // namespace harfnur::boymatn::html
