#include "engine/unikod.h"

#include <unicode/ubrk.h>
#include <unicode/uchar.h>
#include <unicode/unorm2.h>
#include <unicode/ustring.h>
#include <unicode/utext.h>

#ifdef _WIN32
#include <pthread.h>
#endif

#include <cstdlib>
#include <memory>
#include <vector>

namespace harfnur::unikod {
namespace {

[[noreturn]] void icuXatosi() { std::abort(); }  // only on out-of-memory or broken ICU data

std::u16string u16(std::string_view t) {
    std::u16string r(t.size(), u'\0');
    int32_t uz = 0;
    UErrorCode e = U_ZERO_ERROR;
    u_strFromUTF8WithSub(reinterpret_cast<UChar*>(r.data()), int32_t(r.size()), &uz, t.data(),
                         int32_t(t.size()), 0xFFFD, nullptr, &e);
    if (U_FAILURE(e)) icuXatosi();
    r.resize(std::size_t(uz));
    return r;
}

std::string u8(const std::u16string& t) {
    std::string r(t.size() * 3, '\0');
    int32_t uz = 0;
    UErrorCode e = U_ZERO_ERROR;
    u_strToUTF8(r.data(), int32_t(r.size()), &uz, reinterpret_cast<const UChar*>(t.data()),
                int32_t(t.size()), &e);
    if (U_FAILURE(e)) icuXatosi();
    r.resize(std::size_t(uz));
    return r;
}

template <class F>
std::u16string ozgartir(const std::u16string& s, F f) {
    std::u16string r(s.size() * 3 + 8, u'\0');
    UErrorCode e = U_ZERO_ERROR;
    int32_t uz = f(reinterpret_cast<UChar*>(r.data()), int32_t(r.size()),
                   reinterpret_cast<const UChar*>(s.data()), int32_t(s.size()), &e);
    if (e == U_BUFFER_OVERFLOW_ERROR) {
        r.assign(std::size_t(uz), u'\0');
        e = U_ZERO_ERROR;
        uz = f(reinterpret_cast<UChar*>(r.data()), int32_t(r.size()),
               reinterpret_cast<const UChar*>(s.data()), int32_t(s.size()), &e);
    }
    if (U_FAILURE(e)) icuXatosi();
    r.resize(std::size_t(uz));
    return r;
}

struct BrkYopuvchi {
    void operator()(UBreakIterator* b) const { ubrk_close(b); }
};

UBreakIterator* yangiIterator() {
    UErrorCode e = U_ZERO_ERROR;
    UBreakIterator* b = ubrk_open(UBRK_CHARACTER, "", nullptr, 0, &e);
    if (U_FAILURE(e)) icuXatosi();
    return b;
}

#ifdef _WIN32
// MinGW's emulated thread-local storage frees a thread's variables before
// their destructors run, so a thread_local with a destructor crashes the
// thread's exit. There a thread's state lives on the heap, under a thread key
// whose destructor frees it.
struct IpHolati {
    std::unique_ptr<UBreakIterator, BrkYopuvchi> bi{yangiIterator()};
    std::vector<std::size_t> ch;
};
IpHolati& ipHolati() {
    static const pthread_key_t kalit = [] {
        pthread_key_t k;
        if (pthread_key_create(&k, [](void* h) { delete static_cast<IpHolati*>(h); }) != 0) icuXatosi();
        return k;
    }();
    thread_local IpHolati* h = nullptr;  // a plain pointer: nothing to destroy
    if (!h) {
        h = new IpHolati;
        pthread_setspecific(kalit, h);
    }
    return *h;
}

UBreakIterator* iterator() { return ipHolati().bi.get(); }
#else
// One break iterator per thread: opening one costs far more than using it.
UBreakIterator* iterator() {
    thread_local std::unique_ptr<UBreakIterator, BrkYopuvchi> bi(yangiIterator());
    return bi.get();
}
#endif

}  // namespace

bool alifbomi(char32_t kod) { return u_hasBinaryProperty(UChar32(kod), UCHAR_ALPHABETIC); }

std::string kichikHarfli(std::string_view t) {
    return u8(ozgartir(u16(t), [](UChar* d, int32_t dn, const UChar* s, int32_t sn, UErrorCode* e) {
        return u_strToLower(d, dn, s, sn, "", e);
    }));
}

std::string kattaHarfli(std::string_view t) {
    return u8(ozgartir(u16(t), [](UChar* d, int32_t dn, const UChar* s, int32_t sn, UErrorCode* e) {
        return u_strToUpper(d, dn, s, sn, "", e);
    }));
}

std::string nfc(std::string_view t) {
    UErrorCode e = U_ZERO_ERROR;
    const UNormalizer2* n = unorm2_getNFCInstance(&e);
    if (U_FAILURE(e)) icuXatosi();
    return u8(ozgartir(u16(t), [n](UChar* d, int32_t dn, const UChar* s, int32_t sn, UErrorCode* er) {
        return unorm2_normalize(n, s, sn, d, dn, er);
    }));
}

bool tengmi(std::string_view a, std::string_view b) { return a == b || nfc(a) == nfc(b); }

void klasterlar(std::string_view t, std::vector<std::size_t>& chegaralar) {
    chegaralar.clear();
    if (t.empty()) return;
    UErrorCode e = U_ZERO_ERROR;
    UText* ut = utext_openUTF8(nullptr, t.data(), int64_t(t.size()), &e);
    if (U_FAILURE(e)) icuXatosi();
    UBreakIterator* bi = iterator();
    ubrk_setUText(bi, ut, &e);
    if (U_FAILURE(e)) icuXatosi();
    for (int32_t c = ubrk_next(bi); c != UBRK_DONE; c = ubrk_next(bi)) chegaralar.push_back(std::size_t(c));
    static const UChar bosh[1] = {0};
    ubrk_setText(bi, bosh, 0, &e);  // drop the reference to `t`
    utext_close(ut);
}

std::size_t birinchiKlaster(std::string_view t) {
#ifdef _WIN32
    std::vector<std::size_t>& ch = ipHolati().ch;
#else
    thread_local std::vector<std::size_t> ch;
#endif
    klasterlar(t, ch);
    return ch.empty() ? 0 : ch.front();
}

bool yakkaKlastermi(char32_t kod) {
    const auto k = UChar32(kod);
    switch (u_getIntPropertyValue(k, UCHAR_GRAPHEME_CLUSTER_BREAK)) {
        case U_GCB_OTHER:
        case U_GCB_CONTROL:
        case U_GCB_CR:
        case U_GCB_LF:
            return !u_hasBinaryProperty(k, UCHAR_EXTENDED_PICTOGRAPHIC);
        default:
            return false;
    }
}

}  // namespace harfnur::unikod
