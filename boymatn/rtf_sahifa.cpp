#include "boymatn/rtf_sahifa.h"

#include <unicode/ucnv.h>

#include <cstddef>
#include <utility>

namespace harfnur::boymatn::rtf {

namespace {

// Windows code page numbers and the ICU tables that hold them, under the
// tables' own names: the Windows build keeps no alias list
// (scripts/icu-malumot.txt names the same tables).
constexpr std::pair<int, const char*> icuNomlari[] = {
    {437, "ibm-437_P100-1995"},     {850, "ibm-850_P100-1995"},    {852, "ibm-852_P100-1995"},
    {855, "ibm-855_P100-1995"},     {857, "ibm-857_P100-1995"},    {862, "ibm-862_P100-1995"},
    {866, "ibm-866_P100-1995"},     {874, "windows-874-2000"},     {932, "ibm-943_P15A-2003"},
    {936, "windows-936-2000"},      {949, "windows-949-2000"},     {950, "windows-950-2000"},
    {1250, "ibm-5346_P100-1998"},   {1251, "ibm-5347_P100-1998"},  {1252, "ibm-5348_P100-1997"},
    {1253, "ibm-5349_P100-1998"},   {1254, "ibm-5350_P100-1998"},  {1255, "ibm-9447_P100-2002"},
    {1256, "ibm-9448_X100-2005"},   {1257, "ibm-9449_P100-2002"},  {1258, "ibm-5354_P100-1998"},
    {10000, "macos-0_2-10.2"},      {10006, "macos-6_2-10.4"},     {10007, "macos-7_3-10.2"},
    {10029, "macos-29-10.2"},       {10081, "macos-35-10.2"},      {20866, "ibm-878_P100-1996"},
    {21866, "ibm-1168_P100-2002"},  {28591, "ISO-8859-1"},         {28595, "ibm-915_P100-1995"},
};

constexpr int utf8Sahifa = 65001;

// One code point from what ICU read, or nothing.
char32_t bittaKod(const UChar* u, int32_t n, UErrorCode xato) {
    if (U_FAILURE(xato)) return char32_t(-1);
    if (n == 1 && !U16_IS_SURROGATE(u[0])) return u[0];
    if (n == 2 && U16_IS_LEAD(u[0]) && U16_IS_TRAIL(u[1])) return U16_GET_SUPPLEMENTARY(u[0], u[1]);
    return char32_t(-1);
}

// The length a UTF-8 lead byte promises, 0 for no lead byte.
int utf8Uzunligi(unsigned char b) {
    if (b >= 0xC2 && b <= 0xDF) return 2;
    if (b >= 0xE0 && b <= 0xEF) return 3;
    if (b >= 0xF0 && b <= 0xF4) return 4;
    return 0;
}

// Whether byte k (k >= 1) may follow the bytes before it in UTF-8.
bool utf8Davommi(const unsigned char* b, int k) {
    const unsigned char c = b[k];
    if (k == 1) {
        if (b[0] == 0xE0) return c >= 0xA0 && c <= 0xBF;  // overlong
        if (b[0] == 0xED) return c >= 0x80 && c <= 0x9F;  // surrogate
        if (b[0] == 0xF0) return c >= 0x90 && c <= 0xBF;  // overlong
        if (b[0] == 0xF4) return c >= 0x80 && c <= 0x8F;  // past U+10FFFF
    }
    return c >= 0x80 && c <= 0xBF;
}


}  // namespace

std::unique_ptr<KodSahifa> KodSahifa::och(int raqam) {
    std::unique_ptr<KodSahifa> s(new KodSahifa);
    if (raqam == utf8Sahifa) {
        s->xil_ = Xil::Utf8;
        return s;
    }
    const char* nom = nullptr;
    for (const auto& [r, n] : icuNomlari)
        if (r == raqam) nom = n;
    if (!nom) return nullptr;
    UErrorCode x = U_ZERO_ERROR;
    s->ucnv_ = ucnv_open(nom, &x);
    if (U_FAILURE(x)) return nullptr;
    // No substitutes either way: a byte or a letter the table lacks is told apart.
    ucnv_setToUCallBack(s->ucnv_, UCNV_TO_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &x);
    ucnv_setFromUCallBack(s->ucnv_, UCNV_FROM_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &x);
    if (U_FAILURE(x)) return nullptr;
    s->xil_ = ucnv_getMaxCharSize(s->ucnv_) == 1 ? Xil::BirBayt : Xil::IkkiBayt;
    for (int b = 0; b < 256; ++b) s->bitta_[std::size_t(b)] = b < 0x80 ? char32_t(b) : yoq;
    if (s->xil_ == Xil::BirBayt && s->yuqoriYarim()) return s;
    for (int b = 0x80; b < 256; ++b) {
        const char bayt = char(b);
        UChar u[4];
        x = U_ZERO_ERROR;
        const int32_t n = ucnv_toUChars(s->ucnv_, u, 4, &bayt, 1, &x);
        if (x == U_TRUNCATED_CHAR_FOUND)
            s->boshBayt_[std::size_t(b)] = true;
        else
            s->bitta_[std::size_t(b)] = bittaKod(u, n, x);
    }
    return s;
}

void utf8Yoz(char32_t k, std::string& s) {
    if (k < 0x80) {
        s += char(k);
    } else if (k < 0x800) {
        s += char(0xC0 | k >> 6);
        s += char(0x80 | (k & 0x3F));
    } else if (k < 0x10000) {
        s += char(0xE0 | k >> 12);
        s += char(0x80 | (k >> 6 & 0x3F));
        s += char(0x80 | (k & 0x3F));
    } else {
        s += char(0xF0 | k >> 18);
        s += char(0x80 | (k >> 12 & 0x3F));
        s += char(0x80 | (k >> 6 & 0x3F));
        s += char(0x80 | (k & 0x3F));
    }
}

// Bytes 0x80-0xFF of a one-byte code page read in one call: a byte the
// table lacks is skipped, and the offsets tell which byte gave what.
bool KodSahifa::yuqoriYarim() {
    char baytlar[128];
    for (int b = 0; b < 128; ++b) baytlar[b] = char(0x80 + b);
    UChar u[256];
    int32_t joylar[256];
    UChar* u1 = u;
    const char* b1 = baytlar;
    int32_t* j1 = joylar;
    UErrorCode x = U_ZERO_ERROR;
    ucnv_setToUCallBack(ucnv_, UCNV_TO_U_CALLBACK_SKIP, nullptr, nullptr, nullptr, &x);
    ucnv_toUnicode(ucnv_, &u1, u + 256, &b1, baytlar + 128, j1, true, &x);
    UErrorCode y = U_ZERO_ERROR;
    ucnv_setToUCallBack(ucnv_, UCNV_TO_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &y);
    ucnv_resetToUnicode(ucnv_);
    if (U_FAILURE(x) || U_FAILURE(y)) return false;
    const auto n = u1 - u;
    for (std::ptrdiff_t k = 0; k < n;) {
        std::ptrdiff_t m = 1;  // the UChars one byte gave
        while (k + m < n && joylar[k + m] == joylar[k]) ++m;
        if (joylar[k] >= 0 && joylar[k] < 128)
            bitta_[std::size_t(0x80 + joylar[k])] = bittaKod(u + k, int32_t(m), U_ZERO_ERROR);
        k += m;
    }
    return true;
}

KodSahifa::~KodSahifa() {
    if (ucnv_) ucnv_close(ucnv_);
}

Ochilish KodSahifa::ochish(const unsigned char* b, int n, char32_t& kod) {
    if (xil_ == Xil::Utf8) {
        if (n == 1) {
            kod = b[0];
            if (b[0] < 0x80) return Ochilish::Tayyor;
            return utf8Uzunligi(b[0]) ? Ochilish::Davom : Ochilish::Xato;
        }
        const int uzunlik = utf8Uzunligi(b[0]);
        if (n > uzunlik || !utf8Davommi(b, n - 1)) return Ochilish::Xato;
        if (n < uzunlik) return Ochilish::Davom;
        kod = b[0] & (0x7F >> uzunlik);
        for (int k = 1; k < n; ++k) kod = kod << 6 | (b[k] & 0x3F);
        return Ochilish::Tayyor;
    }
    if (n == 1) {
        if (boshBayt_[b[0]]) return Ochilish::Davom;
        kod = bitta_[b[0]];
        return kod == yoq ? Ochilish::Xato : Ochilish::Tayyor;
    }
    if (n != 2) return Ochilish::Xato;
    const auto kalit = std::uint16_t(b[0] << 8 | b[1]);
    auto [joy, yangi] = juftlar_.try_emplace(kalit, yoq);
    if (yangi) {
        const char ikki[2] = {char(b[0]), char(b[1])};
        UChar u[4];
        UErrorCode x = U_ZERO_ERROR;
        const int32_t m = ucnv_toUChars(ucnv_, u, 4, ikki, 2, &x);
        joy->second = bittaKod(u, m, x);
    }
    kod = joy->second;
    return kod == yoq ? Ochilish::Xato : Ochilish::Tayyor;
}

const std::string& KodSahifa::baytlari(char32_t kod) {
    auto [joy, yangi] = baytlar_.try_emplace(kod);
    if (!yangi) return joy->second;
    std::string& r = joy->second;
    if (xil_ == Xil::Utf8) {
        if (kod < 0xD800 || (kod > 0xDFFF && kod <= 0x10FFFF)) utf8Yoz(kod, r);
        return r;
    }
    if (xil_ == Xil::BirBayt) {
        for (int b = 0; b < 256; ++b)
            if (bitta_[std::size_t(b)] == kod) {
                r = char(b);
                break;
            }
        return r;
    }
    UChar u[2];
    int32_t un = 0;
    if (kod < 0x10000) {
        u[un++] = UChar(kod);
    } else if (kod <= 0x10FFFF) {
        u[un++] = U16_LEAD(kod);
        u[un++] = U16_TRAIL(kod);
    }
    char c[8];
    UErrorCode x = U_ZERO_ERROR;
    const int32_t n = ucnv_fromUChars(ucnv_, c, sizeof c, u, un, &x);
    // A table's one-way fallbacks would not read back as `kod`.
    char32_t qaytgan = 0;
    if (U_SUCCESS(x) && n > 0 && n <= 2 &&
        ochish(reinterpret_cast<const unsigned char*>(c), n, qaytgan) == Ochilish::Tayyor && qaytgan == kod)
        r.assign(c, std::size_t(n));
    return r;
}

int charsetSahifasi(int charset, int hujjat) {
    switch (charset) {
        case 0:  // ANSI
        case 1:  // the default
            return hujjat;
        case 2: return 0;  // symbol
        case 77: return 10000;
        case 85: return 10006;
        case 86: return 10081;
        case 88: return 10029;
        case 89: return 10007;
        case 128: return 932;
        case 129: return 949;
        case 134: return 936;
        case 136: return 950;
        case 161: return 1253;
        case 162: return 1254;
        case 163: return 1258;
        case 177: return 1255;
        case 178: return 1256;
        case 186: return 1257;
        case 204: return 1251;
        case 222: return 874;
        case 238: return 1250;
        case 254: return 437;
        case 255: return 850;
        default: return -1;
    }
}

KodSahifa* Sahifalar::ol(int raqam) {
    auto [joy, yangi] = ochilgan_.try_emplace(raqam);
    if (yangi) joy->second = KodSahifa::och(raqam);
    return joy->second.get();
}

}  // namespace harfnur::boymatn::rtf
