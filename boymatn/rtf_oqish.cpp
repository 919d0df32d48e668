#include "boymatn/rtf_oqish.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <iterator>
#include <unordered_map>

#include "boymatn/rtf_parcha.h"

namespace harfnur::boymatn::rtf {

namespace {

// What a control word means to us; any other only ends a run of text.
enum class Xil : std::uint8_t {
    Harf,            // stands for one Character
    Uzish,           // a paragraph, line, tab or cell: words do not join across it
    Tashla,          // a destination that is not on the page
    TashlaUzib,      // a picture or an object: not text, but it stands between words
    Oqim,            // a text of its own (footnote, header): cut off at both ends
    ShriftJadvali,   // \fonttbl
    Shrift,          // \f
    Oddiy,           // \plain: back to the default font
    Unikod,          // \u
    UnikodOrni,      // \uc
    AnsiCpg,         // \ansicpg
    Ansi, Mac, Pc, Pca,
    AsosiyShrift,    // \deff
    Charset,         // \fcharset (in the font table)
    Cpg,             // \cpg (in the font table)
};

struct Soz {
    std::string_view nom;
    Xil xil;
    char32_t kod = 0;
};

// Sorted by name, for a binary search.
constexpr Soz sozlar[] = {
    {"aftnsep", Xil::Tashla},       {"aftnsepc", Xil::Tashla},     {"annotation", Xil::Oqim},
    {"ansi", Xil::Ansi},            {"ansicpg", Xil::AnsiCpg},     {"atnauthor", Xil::Tashla},
    {"atndate", Xil::Tashla},       {"atnicn", Xil::Tashla},       {"atnid", Xil::Tashla},
    {"atnparent", Xil::Tashla},     {"atnref", Xil::Tashla},       {"atntime", Xil::Tashla},
    {"atrfend", Xil::Tashla},       {"atrfstart", Xil::Tashla},    {"author", Xil::Tashla},
    {"bkmkend", Xil::Tashla},       {"bkmkstart", Xil::Tashla},    {"blipuid", Xil::Tashla},
    {"bullet", Xil::Harf, 0x2022},  {"buptim", Xil::Tashla},       {"category", Xil::Tashla},
    {"cell", Xil::Uzish},           {"chatn", Xil::Uzish},         {"chdate", Xil::Uzish},
    {"chdpa", Xil::Uzish},          {"chdpl", Xil::Uzish},         {"chftn", Xil::Uzish},
    {"chftnsep", Xil::Uzish},       {"chftnsepc", Xil::Uzish},     {"chpgn", Xil::Uzish},
    {"chtime", Xil::Uzish},         {"colorschememapping", Xil::Tashla},
    {"colortbl", Xil::Tashla},      {"column", Xil::Uzish},        {"comment", Xil::Tashla},
    {"company", Xil::Tashla},       {"cpg", Xil::Cpg},             {"creatim", Xil::Tashla},
    {"datafield", Xil::Tashla},     {"datastore", Xil::Tashla},    {"defchp", Xil::Tashla},
    {"deff", Xil::AsosiyShrift},    {"defpap", Xil::Tashla},       {"doccomm", Xil::Tashla},
    {"docvar", Xil::Tashla},        {"emdash", Xil::Harf, 0x2014}, {"emspace", Xil::Harf, 0x2003},
    {"endash", Xil::Harf, 0x2013},  {"enspace", Xil::Harf, 0x2002}, {"f", Xil::Shrift},
    {"falt", Xil::Tashla},          {"fchars", Xil::Tashla},       {"fcharset", Xil::Charset},
    {"ffdeftext", Xil::Tashla},     {"ffentrymcr", Xil::Tashla},   {"ffexitmcr", Xil::Tashla},
    {"ffformat", Xil::Tashla},      {"ffhelptext", Xil::Tashla},   {"ffl", Xil::Tashla},
    {"ffname", Xil::Tashla},        {"ffstattext", Xil::Tashla},   {"fldinst", Xil::Tashla},
    {"fname", Xil::Tashla},         {"fontemb", Xil::Tashla},      {"fontfile", Xil::Tashla},
    {"fonttbl", Xil::ShriftJadvali}, {"footer", Xil::Oqim},        {"footerf", Xil::Oqim},
    {"footerl", Xil::Oqim},         {"footerr", Xil::Oqim},        {"footnote", Xil::Oqim},
    {"formfield", Xil::Tashla},     {"ftncn", Xil::Tashla},        {"ftnsep", Xil::Tashla},
    {"ftnsepc", Xil::Tashla},       {"generator", Xil::Tashla},    {"header", Xil::Oqim},
    {"headerf", Xil::Oqim},         {"headerl", Xil::Oqim},        {"headerr", Xil::Oqim},
    {"hlinkbase", Xil::Tashla},     {"info", Xil::Tashla},         {"keywords", Xil::Tashla},
    {"latentstyles", Xil::Tashla},  {"lbr", Xil::Uzish},           {"lchars", Xil::Tashla},
    {"ldblquote", Xil::Harf, 0x201C}, {"levelnumbers", Xil::Tashla}, {"leveltext", Xil::Tashla},
    {"line", Xil::Uzish},           {"listname", Xil::Tashla},     {"listoverridetable", Xil::Tashla},
    {"listpicture", Xil::Tashla},   {"listtable", Xil::Tashla},    {"listtext", Xil::Tashla},
    {"lquote", Xil::Harf, 0x2018},  {"lsdlockedexcept", Xil::Tashla}, {"ltrmark", Xil::Harf, 0x200E},
    {"mac", Xil::Mac},              {"manager", Xil::Tashla},      {"mhtmltag", Xil::Tashla},
    {"mmathPr", Xil::Tashla},       {"nestcell", Xil::Uzish},      {"nestrow", Xil::Uzish},
    {"nesttableprops", Xil::Tashla}, {"nonshppict", Xil::Tashla},  {"objalias", Xil::Tashla},
    {"objclass", Xil::Tashla},      {"objdata", Xil::Tashla},      {"object", Xil::TashlaUzib},
    {"objname", Xil::Tashla},       {"objsect", Xil::Tashla},      {"objtime", Xil::Tashla},
    {"oleclsid", Xil::Tashla},      {"operator", Xil::Tashla},     {"page", Xil::Uzish},
    {"panose", Xil::Tashla},        {"par", Xil::Uzish},           {"password", Xil::Tashla},
    {"passwordhash", Xil::Tashla},  {"pc", Xil::Pc},               {"pca", Xil::Pca},
    {"pgdsctbl", Xil::Tashla},      {"pgptbl", Xil::Tashla},       {"picprop", Xil::Tashla},
    {"pict", Xil::TashlaUzib},      {"plain", Xil::Oddiy},         {"pn", Xil::Tashla},
    {"pnseclvl", Xil::Tashla},      {"pntext", Xil::Tashla},       {"pntxta", Xil::Tashla},
    {"pntxtb", Xil::Tashla},        {"printim", Xil::Tashla},      {"private", Xil::Tashla},
    {"propname", Xil::Tashla},      {"protusertbl", Xil::Tashla},  {"qmspace", Xil::Harf, 0x2005},
    {"rdblquote", Xil::Harf, 0x201D}, {"revtbl", Xil::Tashla},     {"revtim", Xil::Tashla},
    {"row", Xil::Uzish},            {"rquote", Xil::Harf, 0x2019}, {"rsidtbl", Xil::Tashla},
    {"rtlmark", Xil::Harf, 0x200F}, {"rxe", Xil::Tashla},          {"sect", Xil::Uzish},
    {"sectnum", Xil::Uzish},        {"shppict", Xil::TashlaUzib},  {"sn", Xil::Tashla},
    {"softcol", Xil::Uzish},        {"softlbr", Xil::Uzish},       {"softline", Xil::Uzish},
    {"softpage", Xil::Uzish},       {"sp", Xil::Tashla},           {"stylesheet", Xil::Tashla},
    {"subject", Xil::Tashla},       {"sv", Xil::Tashla},           {"tab", Xil::Uzish},
    {"tc", Xil::Tashla},            {"template", Xil::Tashla},     {"themedata", Xil::Tashla},
    {"title", Xil::Tashla},         {"txe", Xil::Tashla},          {"u", Xil::Unikod},
    {"uc", Xil::UnikodOrni},        {"upr", Xil::Tashla},          {"userprops", Xil::Tashla},
    {"wgrffmtfilter", Xil::Tashla}, {"windowcaption", Xil::Tashla}, {"xe", Xil::Tashla},
    {"xmlattrname", Xil::Tashla},   {"xmlattrvalue", Xil::Tashla}, {"xmlclose", Xil::Tashla},
    {"xmlname", Xil::Tashla},       {"xmlnstbl", Xil::Tashla},     {"xmlopen", Xil::Tashla},
    {"zwbo", Xil::Harf, 0x200B},    {"zwj", Xil::Harf, 0x200D},    {"zwnbo", Xil::Harf, 0xFEFF},
    {"zwnj", Xil::Harf, 0x200C},
};
static_assert(std::is_sorted(std::begin(sozlar), std::end(sozlar),
                             [](const Soz& a, const Soz& b) { return a.nom < b.nom; }));

// Where the words of each first letter start: most words of a document are
// none of ours, and a letter's few are told apart by their lengths.
constexpr auto harfBoshi = [] {
    std::array<std::uint16_t, 27> r{};
    std::size_t k = 0;
    for (int h = 0; h < 26; ++h) {
        r[std::size_t(h)] = std::uint16_t(k);
        while (k < std::size(sozlar) && sozlar[k].nom[0] == 'a' + h) ++k;
    }
    r[26] = std::uint16_t(k);
    return r;
}();
static_assert(harfBoshi[26] == std::size(sozlar));

const Soz* sozniTop(std::string_view nom) {
    if (nom[0] < 'a' || nom[0] > 'z') return nullptr;
    const std::size_t h = std::size_t(nom[0] - 'a');
    for (std::size_t k = harfBoshi[h]; k < harfBoshi[h + 1]; ++k)
        if (sozlar[k].nom.size() == nom.size() && sozlar[k].nom == nom) return &sozlar[k];
    return nullptr;
}

struct Holat {
    enum Joy : std::uint8_t { Matnli, Tashlangan, Jadval };
    int shrift = -1;  // -1: the document's default font
    int uc = 1;
    Joy joy = Matnli;
    bool oqim = false;  // this group is a text of its own
};

struct Shrift {
    int charset = -1;
    int cpg = 0;
};

class Oquvchi {
public:
    Oquvchi(std::string_view rtf, Oqilgan& o) : rtf_(rtf), qismlar(o.qismlar), matn(o.matn), sahifalar_(o.sahifalar) {}

    // Cuts the document into runs; false when it cannot be read safely.
    bool oqi();

private:
    Holat& holat() { return holatlar_.back(); }
    void tokenniOqi(const Parcha& p);
    void guruhBoshi(const Parcha& p);
    void sozniOqi(const Parcha& p);
    void jadvaldagiSoz(const Parcha& p);

    int sahifaRaqami();
    bool belgiShriftimi() { return sahifaRaqami() == 0; }

    void och(std::size_t bosh);
    void uzayt(std::size_t oxir) {
        if (ochiq_) qismlar.back().oxir = oxir;
    }
    void yop();
    void kes(std::size_t joy);
    void uzilish();
    bool birlikDavomEtadimi() const { return otkazish_ > 0 || kutilganSoni_ > 0 || yuqori_; }

    void matnniOqi(const Parcha& p);
    void bayt(unsigned char b, std::size_t bosh, std::size_t oxir);
    void xatoBirlik(bool boshBaytmi);
    void baytlarniTugat();
    void yolgizYuqori();
    void harf(char32_t kod, std::size_t bosh, std::size_t oxir);
    void unikod(std::int32_t qiymat, std::size_t bosh, std::size_t oxir);
    void tugat();

    std::string_view rtf_;
    std::vector<Qism>& qismlar;
    std::string& matn;
    std::vector<Holat> holatlar_;
    bool yangiGuruh_ = false;
    bool ochiq_ = false;  // qismlar.back() still grows
    bool rad_ = false;
    bool boshBaytQoldi_ = false;  // a lead byte was just kept: a trail byte after it would join it
    std::size_t ochiqSozOxiri_ = std::string_view::npos;

    // A Character still being read: fallback units of the last \u to pass
    // over, lead bytes, a high surrogate waiting for its pair.
    int otkazish_ = 0;
    struct Kutilgan {
        unsigned char bayt;
        std::size_t bosh, oxir;
    };
    std::array<Kutilgan, 4> kutilgan_{};
    int kutilganSoni_ = 0;
    bool yuqori_ = false;
    char16_t yuqoriKod_ = 0;
    std::size_t yuqoriBosh_ = 0;

    int ansiSahifa_ = 1252;
    int ansicpg_ = 0;
    int asosiyShrift_ = 0;
    std::unordered_map<int, Shrift> shriftlar_;
    int jadvalShrifti_ = 0;
    Sahifalar& sahifalar_;
    int sahifaRaqami_ = -1;
    KodSahifa* sahifa_ = nullptr;
};

int Oquvchi::sahifaRaqami() {
    const int hujjat = ansicpg_ > 0 ? ansicpg_ : ansiSahifa_;
    const int f = holat().shrift < 0 ? asosiyShrift_ : holat().shrift;
    const auto i = shriftlar_.find(f);
    if (i == shriftlar_.end()) return hujjat;
    if (i->second.charset == 2) return 0;
    if (i->second.cpg > 0) return i->second.cpg;
    if (i->second.charset < 0) return hujjat;
    return charsetSahifasi(i->second.charset, hujjat);
}

void Oquvchi::och(std::size_t bosh) {
    if (ochiq_) return;
    Qism q;
    q.bosh = q.oxir = bosh;
    q.matnBosh = matn.size();
    q.uc = holat().uc;
    q.sahifa = sahifaRaqami();
    q.sozdanKeyin = ochiqSozOxiri_ == bosh;
    q.baytdanKeyin = boshBaytQoldi_;
    boshBaytQoldi_ = false;
    qismlar.push_back(q);
    ochiq_ = true;
}

void Oquvchi::yop() {
    if (!ochiq_) return;
    qismlar.back().matnOxir = matn.size();
    ochiq_ = false;
}

// Ends the open run at `joy`: what follows it up to now is kept as it is.
void Oquvchi::kes(std::size_t joy) {
    if (!ochiq_) return;
    Qism& q = qismlar.back();
    q.oxir = std::min(q.oxir, joy);
    yop();
    if (q.bosh == q.oxir && q.matnBosh == q.matnOxir) qismlar.pop_back();
}

void Oquvchi::uzilish() {
    yop();
    if (!qismlar.empty() && qismlar.back().uzilish) return;
    Qism q;
    q.uzilish = true;
    q.matnBosh = q.matnOxir = matn.size();
    qismlar.push_back(q);
}

void Oquvchi::bayt(unsigned char b, std::size_t bosh, std::size_t oxir) {
    if (otkazish_ > 0) {
        --otkazish_;
        uzayt(oxir);
        return;
    }
    if (yuqori_) yolgizYuqori();
    if (kutilganSoni_ == 0) {
        if (!ochiq_ && belgiShriftimi()) {
            uzilish();
            return;
        }
        och(bosh);
        if (b < 0x80) {
            matn += char(b);
            uzayt(oxir);
            return;
        }
    }
    // Opened only now: a document in ASCII and \u needs no table.
    if (sahifaRaqami_ != qismlar.back().sahifa) {
        sahifaRaqami_ = qismlar.back().sahifa;
        sahifa_ = sahifaRaqami_ > 0 ? sahifalar_.ol(sahifaRaqami_) : nullptr;
    }
    KodSahifa* s = sahifa_;
    if (!s) {
        rad_ = true;
        return;
    }
    kutilgan_[std::size_t(kutilganSoni_++)] = {b, bosh, oxir};
    uzayt(oxir);
    unsigned char b4[4];
    for (int k = 0; k < kutilganSoni_; ++k) b4[k] = kutilgan_[std::size_t(k)].bayt;
    char32_t kod = 0;
    switch (s->ochish(b4, kutilganSoni_, kod)) {
        case Ochilish::Tayyor:
            utf8Yoz(kod, matn);
            kutilganSoni_ = 0;
            break;
        case Ochilish::Davom:
            if (kutilganSoni_ == 4) xatoBirlik(true);
            break;
        case Ochilish::Xato:
            xatoBirlik(kutilganSoni_ > 1);
            break;
    }
}

// The first waiting byte is no Character: it stays as it is, between two
// runs, and the bytes after it are read again.
void Oquvchi::xatoBirlik(bool boshBaytmi) {
    const Kutilgan birinchi = kutilgan_[0];
    std::array<Kutilgan, 4> qolgan = kutilgan_;
    const int n = kutilganSoni_;
    kutilganSoni_ = 0;
    kes(birinchi.bosh);
    uzilish();
    boshBaytQoldi_ = boshBaytmi;
    for (int k = 1; k < n && !rad_; ++k) {
        const Kutilgan& q = qolgan[std::size_t(k)];
        bayt(q.bayt, q.bosh, q.oxir);
    }
}

void Oquvchi::baytlarniTugat() {
    while (kutilganSoni_ > 0 && !rad_) xatoBirlik(true);
}

// A high surrogate with no low one after it stays as it is, with its fallback.
void Oquvchi::yolgizYuqori() {
    yuqori_ = false;
    kes(yuqoriBosh_);
    uzilish();
}

void Oquvchi::harf(char32_t kod, std::size_t bosh, std::size_t oxir) {
    if (otkazish_ > 0) {
        --otkazish_;
        uzayt(oxir);
        return;
    }
    baytlarniTugat();
    if (yuqori_) yolgizYuqori();
    if (!ochiq_ && belgiShriftimi()) {
        uzilish();
        return;
    }
    och(bosh);
    utf8Yoz(kod, matn);
    uzayt(oxir);
}

void Oquvchi::unikod(std::int32_t qiymat, std::size_t bosh, std::size_t oxir) {
    baytlarniTugat();
    // A \u in place of a fallback byte is read as text: nothing it holds is lost.
    otkazish_ = 0;
    const int uc = holat().uc;
    const auto u = char16_t(std::uint32_t(qiymat) & 0xFFFF);
    if (yuqori_) {
        if (u >= 0xDC00 && u <= 0xDFFF) {
            utf8Yoz(char32_t(0x10000 + ((yuqoriKod_ - 0xD800) << 10) + (u - 0xDC00)), matn);
            yuqori_ = false;
            uzayt(oxir);
            otkazish_ = uc;
            return;
        }
        yolgizYuqori();
    }
    otkazish_ = uc;
    if (!ochiq_ && belgiShriftimi()) {
        uzilish();
        return;
    }
    if (u >= 0xDC00 && u <= 0xDFFF) {  // a low surrogate alone: kept with its fallback
        yop();
        uzilish();
        return;
    }
    och(bosh);
    uzayt(oxir);
    if (u >= 0xD800 && u <= 0xDBFF) {
        yuqori_ = true;
        yuqoriKod_ = u;
        yuqoriBosh_ = bosh;
        return;
    }
    utf8Yoz(u, matn);
}

// Before any token that is not text.
void Oquvchi::tugat() {
    baytlarniTugat();
    if (yuqori_) yolgizYuqori();
    otkazish_ = 0;
    boshBaytQoldi_ = false;
    yop();
}

void Oquvchi::matnniOqi(const Parcha& p) {
    const auto* s = reinterpret_cast<const unsigned char*>(rtf_.data());
    for (std::size_t i = p.bosh; i < p.oxir && !rad_;) {
        if (ochiq_ && otkazish_ == 0 && kutilganSoni_ == 0 && !yuqori_ && s[i] < 0x80) {
            std::size_t j = i;
            while (j < p.oxir && s[j] < 0x80) ++j;
            matn.append(rtf_.data() + i, j - i);
            uzayt(j);
            i = j;
            continue;
        }
        bayt(s[i], i, i + 1);
        ++i;
    }
}

void Oquvchi::guruhBoshi(const Parcha& p) {
    if (p.tur == Tur::Belgi && p.belgi == '*') {
        holat().joy = Holat::Tashlangan;
        return;
    }
    if (p.tur != Tur::Soz) return;
    const Soz* s = sozniTop(p.nom);
    if (!s) return;
    switch (s->xil) {
        case Xil::Tashla:
            holat().joy = Holat::Tashlangan;
            break;
        case Xil::TashlaUzib:
            uzilish();
            holat().joy = Holat::Tashlangan;
            break;
        case Xil::ShriftJadvali:
            holat().joy = Holat::Jadval;
            break;
        case Xil::Oqim:
            uzilish();
            holat().oqim = true;
            break;
        default:
            break;
    }
}

void Oquvchi::jadvaldagiSoz(const Parcha& p) {
    const Soz* s = sozniTop(p.nom);
    if (!s) return;
    if (s->xil == Xil::Shrift) {
        jadvalShrifti_ = p.parametr;
        shriftlar_[jadvalShrifti_] = Shrift{};
    } else if (s->xil == Xil::Charset && p.parametrli) {
        shriftlar_[jadvalShrifti_].charset = p.parametr;
    } else if (s->xil == Xil::Cpg && p.parametrli) {
        shriftlar_[jadvalShrifti_].cpg = p.parametr;
    }
}

void Oquvchi::sozniOqi(const Parcha& p) {
    const Soz* s = sozniTop(p.nom);
    if (s && s->xil == Xil::Unikod && p.parametrli) {
        unikod(p.parametr, p.bosh, p.oxir);
        return;
    }
    if (s && s->xil == Xil::Harf) {
        harf(s->kod, p.bosh, p.oxir);
        return;
    }
    tugat();
    if (!s) return;
    switch (s->xil) {
        case Xil::Uzish: uzilish(); break;
        case Xil::Shrift: holat().shrift = p.parametr; break;
        case Xil::Oddiy: holat().shrift = -1; break;
        case Xil::UnikodOrni: holat().uc = p.parametrli ? std::max(0, p.parametr) : 1; break;
        case Xil::AnsiCpg: ansicpg_ = p.parametr; break;
        case Xil::Ansi: ansiSahifa_ = 1252; break;
        case Xil::Mac: ansiSahifa_ = 10000; break;
        case Xil::Pc: ansiSahifa_ = 437; break;
        case Xil::Pca: ansiSahifa_ = 850; break;
        case Xil::AsosiyShrift: asosiyShrift_ = p.parametr; break;
        default: break;
    }
}

void Oquvchi::tokenniOqi(const Parcha& p) {
    if (yangiGuruh_ && p.tur != Tur::Qator) {
        yangiGuruh_ = false;
        if (holat().joy == Holat::Matnli) guruhBoshi(p);
    }
    if (holat().joy != Holat::Matnli) {
        if (holat().joy == Holat::Jadval && p.tur == Tur::Soz) jadvaldagiSoz(p);
        return;
    }
    switch (p.tur) {
        case Tur::Matn: matnniOqi(p); break;
        case Tur::Hex: bayt(static_cast<unsigned char>(p.parametr), p.bosh, p.oxir); break;
        case Tur::Soz: sozniOqi(p); break;
        case Tur::Qator:
            // A reader that drops line ends would join the word before them to the text after.
            if (ochiqSozOxiri_ == p.bosh) ochiqSozOxiri_ = p.oxir;
            if (birlikDavomEtadimi())
                uzayt(p.oxir);
            else
                yop();
            break;
        case Tur::Belgi:
            switch (p.belgi) {
                case '~': harf(0xA0, p.bosh, p.oxir); break;
                case '_': harf(0x2011, p.bosh, p.oxir); break;
                case '-': harf(0xAD, p.bosh, p.oxir); break;
                case '\\':
                case '{':
                case '}': harf(char32_t(p.belgi), p.bosh, p.oxir); break;
                case '\r':
                case '\n':  // a backslash before a line end is \par
                    tugat();
                    uzilish();
                    break;
                case '\'':  // no hex digits after it: hex digits written next would join it
                    tugat();
                    ochiqSozOxiri_ = p.oxir;
                    break;
                default: tugat(); break;
            }
            break;
        default: tugat(); break;
    }
    // A run that starts right here may not begin with a letter, digit, hyphen or space.
    if (!p.ajratgichli && (p.tur == Tur::Soz || (p.tur == Tur::Ikkilik && p.parametr <= 0)))
        ochiqSozOxiri_ = p.oxir;
}

bool Oquvchi::oqi() {
    if (!rtf_.starts_with("{\\rtf")) return false;
    holatlar_.reserve(64);
    holatlar_.push_back(Holat{});  // outside the document
    for (std::size_t i = 0; i < rtf_.size() && !rad_;) {
        const Parcha p = keyingiParcha(rtf_, i);
        i = p.oxir;
        if (p.tur == Tur::Ochish) {
            tugat();
            Holat h = holat();
            h.oqim = false;
            holatlar_.push_back(h);
            yangiGuruh_ = true;
            continue;
        }
        if (p.tur == Tur::Yopish) {
            tugat();
            yangiGuruh_ = false;
            if (holat().oqim) uzilish();
            holatlar_.pop_back();
            // What follows the document's last brace is no part of it.
            if (holatlar_.size() == 1) break;
            continue;
        }
        tokenniOqi(p);
    }
    tugat();
    return !rad_;
}


}  // namespace

std::optional<Oqilgan> oqi(std::string_view rtf) {
    std::optional<Oqilgan> o(std::in_place);
    if (!Oquvchi(rtf, *o).oqi()) return std::nullopt;
    return o;
}

}  // namespace harfnur::boymatn::rtf
