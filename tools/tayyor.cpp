#include "tools/tayyor.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "tools/konsol.h"

namespace harfnur::ogiruvchi {

namespace {

constexpr std::size_t parcha = std::size_t(1) << 20;

// The input's bytes part by part: a mapped file's straight from the mapping,
// each part's pages let go once the next is asked for; a stream's as read.
class Parchalar {
public:
    explicit Parchalar(Kirish& k) : k_(k), qolgan_(k.oqimmi() ? std::string_view() : k.baytlar()) {}
    // The next part, of at least `kamida` bytes unless the input ends first.
    // False, with `p` empty, at the end or when a read fails (see xato).
    bool keyingi(std::string_view& p, std::size_t kamida = 1);
    int xato() const { return xato_; }

private:
    Kirish& k_;
    std::string_view qolgan_, oldingi_;
    std::string bufer_;
    int xato_ = 0;
};

bool Parchalar::keyingi(std::string_view& p, std::size_t kamida) {
    p = {};
    if (!k_.oqimmi()) {
        k_.qoyibYubor(oldingi_);
        p = oldingi_ = qolgan_.substr(0, std::max(parcha, kamida));
        qolgan_.remove_prefix(p.size());
        return !p.empty();
    }
    bufer_.resize(std::max(parcha, kamida));
    std::size_t n = 0;
    while (n < kamida) {
        const ssize_t r = k_.oqi(bufer_.data() + n, bufer_.size() - n);
        if (r < 0) {
            xato_ = errno;
            return false;
        }
        if (r == 0) break;
        n += std::size_t(r);
    }
    p = std::string_view(bufer_.data(), n);
    return n > 0;
}

}  // namespace

std::string_view Tayyor::kodla(std::string_view utf8) {
    if (kodlash == Kodlash::utf8) return utf8;
    bufer.clear();
    utf16ga(utf8, kodlash == Kodlash::utf16be, bufer);
    return bufer;
}

void Tayyor::qoyibYubor(std::string_view qism) const {
    if (kirish) kirish->qoyibYubor(qism);
    if (ochilgan) ochilgan->qoyibYubor(qism);
}

bool Tayyor::kesildimi() const {
    return (kirish && kirish->kesildimi()) || (ochilgan && ochilgan->kesildimi());
}

bool tayyorla(const std::string& yol, const std::string& nom, const Sozlamalar& s, Tayyor& t,
              std::string& sabab) {
    int e = 0;
    t.kirish = Kirish::och(yol, e);
    if (!t.kirish) {
        sabab = std::strerror(e);
        return false;
    }
    Parchalar parchalar(*t.kirish);
    std::string_view p;
    bool bor = parchalar.keyingi(p, 2);  // a byte order mark comes whole
    if (s.manba.empty()) t.kodlash = belgidan(p);
    const bool utf8mi = s.manba.empty() && t.kodlash == Kodlash::utf8;
    if (utf8mi && !t.kirish->oqimmi()) {
        t.matn = t.kirish->baytlar();  // a mapped file's own bytes
    } else {
        t.ochilgan = std::make_unique<Toplovchi>(s.toshish);
        Toplovchi& toplam = *t.ochilgan;
        std::string bolak;
        if (!s.manba.empty()) {
            IcuOchuvchi icu;
            if (!icu.och(s.manba, sabab)) return false;
            for (;;) {
                bolak.clear();
                if (!icu.qosh(p, !bor, bolak, sabab)) return false;
                if (!toplam.qosh(bolak) || !bor) break;
                bor = parchalar.keyingi(p);
            }
        } else if (!utf8mi) {
            t.boshi.assign(p.data(), 2);
            p.remove_prefix(2);
            Utf16Ochuvchi utf16(t.kodlash == Kodlash::utf16be);
            for (; bor; bor = parchalar.keyingi(p)) {
                bolak.clear();
                utf16.qosh(p, bolak);
                if (!toplam.qosh(bolak)) break;
            }
            bolak.clear();
            t.oxiri = utf16.tugat(bolak);
            toplam.qosh(bolak);
        } else {
            for (; bor; bor = parchalar.keyingi(p))
                if (!toplam.qosh(p)) break;
        }
        if (parchalar.xato()) {
            sabab = std::strerror(parchalar.xato());
            return false;
        }
        if (!toplam.tugat()) {
            sabab = "cannot hold it in a temporary file in " + toplam.papka() + ": " + std::strerror(toplam.xato());
            t.toxtatadimi = true;
            return false;
        }
        t.matn = toplam.matn();
    }
    // Zeros read past a cut would pass for text: binary, or plain.
    auto kesilgan = [&] {
        if (!t.kesildimi()) return false;
        sabab = "truncated while being read";
        t.toxtatadimi = true;
        return true;
    };
    if (utf8mi && s.rejim != Rejim::chiqarish && !s.ikkilik && ikkilikmi(t.matn)) {
        if (!kesilgan()) sabab = "looks binary (a NUL byte); not converted (--binary converts it)";
        return false;
    }
    if (kesilgan()) return false;
    if (utf8mi && utf8Emasmi(t.matn))
        matnChiqar(stderr, "harfnur-ogir: " + nom + ": warning: mostly not UTF-8, so nothing in it converts (see --from)\n");
    return true;
}

}  // namespace harfnur::ogiruvchi
