#include "engine/bolgich.h"

#include "engine/unikod.h"
#include "engine/utf8.h"

namespace harfnur::ichki {
namespace {

bool yakkami(char32_t kod) { return kod < 0x10000 ? kodSinfi(kod).yakka : unikod::yakkaKlastermi(kod); }

Sinf klasterSinfi(std::string_view k) {
    const auto s = utf8::ochish(k, 0);
    return s.uzunlik == k.size() && s.kod < 0x10000 ? kodSinfi(s.kod).sinf : sinfla(k);
}

}  // namespace

Bolgich::Bolgich(std::string_view t) : t_(t), jadval_(tezJadval()) {}

bool Bolgich::sekin(Sinf& sinf) {
    static const Sinf crlf = sinfla("\r\n");
    const std::size_t n = t_.size();
    const std::size_t i = i_;
    const auto a = utf8::ochish(t_, i);
    if (a.uzunlik == 0) {
        sinf = xatoBaytSinfi;
        i_ = i + 1;
        return true;
    }
    const std::size_t j = i + a.uzunlik;
    const bool aYakka = yakkami(a.kod);
    if (aYakka) {
        const auto c = j < n ? utf8::ochish(t_, j) : utf8::Skalyar{};
        if (c.uzunlik != 0 && a.kod == '\r' && c.kod == '\n') {
            sinf = crlf;
            i_ = j + 1;
            return true;
        }
        if (j == n || c.uzunlik == 0 || yakkami(c.kod)) {
            sinf = klasterSinfi(t_.substr(i, a.uzunlik));
            i_ = j;
            return true;
        }
    }
    // A cluster may span code points here: find the next certain boundary
    // (two lone-standing code points that are not CR LF, an invalid byte, or
    // the end) and let ICU segment up to it.
    std::size_t k = j;
    char32_t oldingi = a.kod;
    bool oldingiYakka = aYakka;
    while (k < n) {
        const auto c = utf8::ochish(t_, k);
        if (c.uzunlik == 0) break;
        const bool y = yakkami(c.kod);
        if (oldingiYakka && y && !(oldingi == '\r' && c.kod == '\n')) break;
        oldingi = c.kod;
        oldingiYakka = y;
        k += c.uzunlik;
    }
    unikod::klasterlar(t_.substr(i, k - i), chegaralar_);
    navbat_.clear();
    navbatI_ = 0;
    std::size_t bosh = i;
    for (const std::size_t e : chegaralar_) {
        navbat_.push_back({i + e, klasterSinfi(t_.substr(bosh, i + e - bosh))});
        bosh = i + e;
    }
    return keyingi(sinf);
}

Matn toliqMatn(std::string_view t) {
    Matn m;
    std::vector<std::size_t> ch;
    std::size_t i = 0;
    while (i < t.size()) {
        std::size_t e = i;
        while (e < t.size()) {
            const auto s = utf8::ochish(t, e);
            if (s.uzunlik == 0) break;
            e += s.uzunlik;
        }
        if (e == i) {
            m.belgilar.push_back({i, i + 1, xatoBaytSinfi});
            i = i + 1;
            continue;
        }
        unikod::klasterlar(t.substr(i, e - i), ch);
        std::size_t bosh = i;
        for (const std::size_t c : ch) {
            m.belgilar.push_back({bosh, i + c, sinfla(t.substr(bosh, i + c - bosh))});
            bosh = i + c;
        }
        i = e;
    }
    return m;
}

}  // namespace harfnur::ichki
