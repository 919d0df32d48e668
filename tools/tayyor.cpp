#include "tools/tayyor.h"

#include <cstdio>
#include <cstring>

namespace harfnur::ogiruvchi {

std::string_view Tayyor::kodla(std::string_view utf8) {
    if (kodlash == Kodlash::utf8) return utf8;
    bufer.clear();
    utf16ga(utf8, kodlash == Kodlash::utf16be, bufer);
    return bufer;
}

bool tayyorla(const std::string& yol, const std::string& nom, const Sozlamalar& s, Tayyor& t,
              std::string& sabab) {
    int e = 0;
    t.kirish = Kirish::och(yol, e);
    if (!t.kirish) {
        sabab = std::strerror(e);
        return false;
    }
    std::string_view b = t.kirish->matn();
    if (!s.manba.empty()) {
        std::optional<std::string> r = icudan(b, s.manba, sabab);
        if (!r) return false;
        t.ochilgan = std::move(*r);
        t.matn = t.ochilgan;
        return true;
    }
    t.kodlash = belgidan(b);
    if (t.kodlash != Kodlash::utf8) {
        t.boshi.assign(b.data(), 2);
        b.remove_prefix(2);
        if (b.size() % 2) {
            t.oxiri.assign(1, b.back());
            b.remove_suffix(1);
        }
        t.ochilgan = utf16dan(b, t.kodlash == Kodlash::utf16be);
        t.matn = t.ochilgan;
        return true;
    }
    if (s.rejim != Rejim::chiqarish && !s.ikkilik && ikkilikmi(b)) {
        sabab = "looks binary (a NUL byte); not converted (--binary converts it)";
        return false;
    }
    if (utf8Emasmi(b))
        std::fprintf(stderr, "harfnur-ogir: %s: warning: mostly not UTF-8, so nothing in it converts (see --from)\n",
                     nom.c_str());
    t.matn = b;
    return true;
}

}  // namespace harfnur::ogiruvchi
