#include "boymatn/html.h"

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "boymatn/html_havola.h"
#include "boymatn/html_ichki.h"
#include "boymatn/html_kodlash.h"
#include "engine/qismlar.h"
#include "engine/utf8.h"

namespace harfnur::boymatn {

namespace html {

namespace {

constexpr std::size_t yoq = std::string_view::npos;

bool bosliqmi(char c) { return c == '\t' || c == '\n' || c == '\f' || c == '\r' || c == ' '; }
bool harfmi(char c) { return (c | 0x20) >= 'a' && (c | 0x20) <= 'z'; }
char kichik(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }

bool nomlardami(std::string_view nom, std::initializer_list<std::string_view> nomlar) {
    return std::find(nomlar.begin(), nomlar.end(), nom) != nomlar.end();
}

// Tags inside which text runs on: a bold "o" and the plain "'" after it are
// one word. Any other tag, and a comment, ends a word. Prefixed names are
// Word's inline ones (<o:p>, <st1:place>).
bool oqimlimi(std::string_view nom) {
    return nom.find(':') != yoq ||
           nomlardami(nom, {"a",    "abbr", "acronym", "b",  "bdi", "bdo",    "big",  "blink", "cite",
                            "code", "data", "del",     "dfn", "em", "font",   "i",    "ins",   "kbd",
                            "label", "mark", "nobr",   "q",  "ruby", "s",     "samp", "small", "span",
                            "strike", "strong", "sub", "sup", "time", "tt",   "u",    "var",   "wbr"});
}

// An object in the text that is not a letter: what a reference we do not
// decode reads as.
constexpr std::string_view ornatilgan = "\uFFFC";
constexpr std::string_view ajratgichMatni = "\n";

enum class Tur : std::uint8_t { xom, havola, noaniq, ajratgich };

// A piece of character data: a run of plain bytes or one reference.
struct Bolak {
    std::size_t boshi = 0, oxiri = 0;  // in the document
    std::size_t matnBoshi = 0, matnUzunligi = 0;  // its text for the engine
    Tur tur = Tur::xom;
    bool hujjatda = false;  // the text is the document's bytes, else in `kodlangan_`
    bool nuqtaliVergulli = false;
};

// Character data between two pieces of markup: the bytes and their pieces.
struct Yugurish {
    std::size_t boshi, oxiri, birinchi, soni;
};

struct Teg {
    std::size_t oxiri = 0;
    std::string nomi;
    bool yopuvchi = false;
    bool ozidanYopiq = false;
};

class Tahlil {
public:
    // `jadval`: the single-byte charset, or none for UTF-8.
    Tahlil(std::string_view t, const BirBayt* jadval) : t_(t), n_(t.size()), jadval_(jadval) {}

    Natija ogir(std::optional<bool> kirillmi) {
        yur();
        std::vector<std::string_view> qismlar(bolaklar_.size());
        for (std::size_t k = 0; k < bolaklar_.size(); ++k) qismlar[k] = matni(bolaklar_[k]);
        const std::vector<std::string> chiqdi = qismlabOgir(qismlar, kirillmi);
        return yoz(qismlar, chiqdi);
    }

private:
    // ---- Reading ----

    void yur() {
        std::size_t i = t_.substr(0, 3) == "\xEF\xBB\xBF" ? 3 : 0;
        while (i < n_) {
            i = matn(i, {});
            if (i < n_) i = belgilash(i);
        }
    }

    // Character data from i up to the next markup, or in RCDATA up to the
    // end tag `rcdata`; returns where that starts (n_ at the end).
    std::size_t matn(std::size_t i, std::string_view rcdata) {
        std::size_t xomBoshi = i;
        while (i < n_) {
            while (i < n_ && t_[i] != '<' && t_[i] != '&') ++i;
            if (i >= n_) break;
            if (t_[i] == '<') {
                if (rcdata.empty() ? belgilashmi(i) : oxirTegimi(i, rcdata)) break;
                ++i;
                continue;
            }
            const Havola h = havolaniOqi(t_, i);
            if (h.uzunlik == 0) {
                ++i;
                continue;
            }
            xomQosh(xomBoshi, i);
            Bolak b;
            b.boshi = i;
            b.oxiri = i + h.uzunlik;
            b.tur = h.noaniq ? Tur::noaniq : Tur::havola;
            b.nuqtaliVergulli = h.nuqtaliVergulli;
            b.matnBoshi = kodlangan_.size();
            if (h.noaniq) kodlangan_ += ornatilgan;
            else utf8Qosh(h.kod, kodlangan_);
            b.matnUzunligi = kodlangan_.size() - b.matnBoshi;
            bolakQosh(b);
            i = xomBoshi = b.oxiri;
        }
        xomQosh(xomBoshi, i);
        yugurishOchiq_ = false;
        return i;
    }

    // Whether the '<' at i starts markup rather than being a character.
    bool belgilashmi(std::size_t i) const {
        if (i + 1 >= n_) return false;
        const char c = t_[i + 1];
        return harfmi(c) || c == '!' || c == '?' || (c == '/' && i + 2 < n_);
    }

    // "</nom" ending in a blank, '/' or '>', as raw text ends.
    bool oxirTegimi(std::size_t i, std::string_view nom) const {
        if (n_ - i < nom.size() + 3 || t_[i] != '<' || t_[i + 1] != '/') return false;
        for (std::size_t k = 0; k < nom.size(); ++k)
            if (kichik(t_[i + 2 + k]) != nom[k]) return false;
        const char c = t_[i + 2 + nom.size()];
        return bosliqmi(c) || c == '/' || c == '>';
    }

    // One piece of markup at i (belgilashmi), and the raw text an element
    // it opens holds; returns where character data may start again.
    std::size_t belgilash(std::size_t i) {
        const char c = t_[i + 1];
        if (c == '!') {
            ajrat_ = true;
            if (t_.compare(i, 4, "<!--") == 0) return izohOxiri(i);
            if (yot_ > 0 && t_.compare(i, 9, "<![CDATA[") == 0) return qadar(i + 9, "]]>");
            return qadar(i + 2, ">");  // a doctype or a bogus comment
        }
        if (c == '?' || (c == '/' && !harfmi(t_[i + 2]))) {
            if (c == '/' && t_[i + 2] == '>') return i + 3;  // "</>" is dropped
            ajrat_ = true;
            return qadar(i + 2, ">");
        }
        const Teg g = tegniOqi(i);
        if (!oqimlimi(g.nomi)) ajrat_ = true;
        const std::string_view nom = g.nomi;
        if (g.yopuvchi) {
            if (nom == "template" && qolip_ > 0) --qolip_;
            if ((nom == "svg" || nom == "math") && yot_ > 0) --yot_;
            return g.oxiri;
        }
        if (nom == "template") ++qolip_;
        if ((nom == "svg" || nom == "math") && !g.ozidanYopiq) ++yot_;
        // Raw text even where <svg> would not make it so: left alone, it
        // is never wrong.
        if (nom == "script") return skriptOxiri(g.oxiri);
        if (nomlardami(nom, {"style", "xmp", "iframe", "noembed", "noframes", "noscript", "title"}))
            return xomOxiri(g.oxiri, nom);
        if (nom == "textarea") return matn(g.oxiri, "textarea");
        if (nom == "plaintext") return n_;
        return g.oxiri;
    }

    // Past the first `oxir` from i, or the end.
    std::size_t qadar(std::size_t i, std::string_view oxir) const {
        const std::size_t j = t_.find(oxir, std::min(i, n_));
        return j == yoq ? n_ : j + oxir.size();
    }

    // A comment ends at "-->" (its "--" may be the opening one, "<!-->")
    // or at "--!>" after the opening.
    std::size_t izohOxiri(std::size_t i) const {
        for (std::size_t j = i + 2;; ++j) {
            j = t_.find("--", j);
            if (j == yoq || j + 2 >= n_) return n_;
            if (t_[j + 2] == '>') return j + 3;
            if (j >= i + 4 && t_[j + 2] == '!' && j + 3 < n_ && t_[j + 3] == '>') return j + 4;
        }
    }

    std::size_t xomOxiri(std::size_t i, std::string_view nom) const {
        for (;; ++i) {
            i = t_.find('<', i);
            if (i == yoq) return n_;
            if (oxirTegimi(i, nom)) return i;
        }
    }

    // A script ends at the first "</script" outside a "<!--" that holds a
    // "<script": the script data states in short.
    std::size_t skriptOxiri(std::size_t i) const {
        enum { oddiy, qochgan, chiziq, ikkiChiziq, ichida, ichidaChiziq, ichidaIkkiChiziq } h = oddiy;
        auto harflar = [&](std::size_t j) {
            std::string s;
            for (; j < n_ && harfmi(t_[j]); ++j)
                if (s.size() < 7) s += kichik(t_[j]);
            return std::pair{s, j};
        };
        while (i < n_) {
            const char c = t_[i];
            switch (h) {
                case oddiy:
                    if (c == '<' && oxirTegimi(i, "script")) return i;
                    if (c == '<' && t_.compare(i, 4, "<!--") == 0) {
                        h = ikkiChiziq;
                        i += 4;
                        continue;
                    }
                    break;
                case qochgan:
                case chiziq:
                case ikkiChiziq:
                    if (c == '-') {
                        h = h == qochgan ? chiziq : ikkiChiziq;
                    } else if (c == '>' && h == ikkiChiziq) {
                        h = oddiy;
                    } else if (c == '<') {
                        h = qochgan;
                        if (oxirTegimi(i, "script")) return i;
                        if (i + 1 < n_ && harfmi(t_[i + 1])) {
                            const auto [s, j] = harflar(i + 1);
                            if (j >= n_) return n_;
                            const bool oxirimi = bosliqmi(t_[j]) || t_[j] == '/' || t_[j] == '>';
                            if (oxirimi && s == "script") h = ichida;
                            i = oxirimi ? j + 1 : j;
                            continue;
                        }
                    } else {
                        h = qochgan;
                    }
                    break;
                case ichida:
                case ichidaChiziq:
                case ichidaIkkiChiziq:
                    if (c == '-') {
                        h = h == ichida ? ichidaChiziq : ichidaIkkiChiziq;
                    } else if (c == '>' && h == ichidaIkkiChiziq) {
                        h = oddiy;
                    } else if (c == '<') {
                        h = ichida;
                        if (i + 1 < n_ && t_[i + 1] == '/') {
                            const auto [s, j] = harflar(i + 2);
                            if (j >= n_) return n_;
                            const bool oxirimi = bosliqmi(t_[j]) || t_[j] == '/' || t_[j] == '>';
                            if (oxirimi && s == "script") h = qochgan;
                            i = oxirimi ? j + 1 : j;
                            continue;
                        }
                    } else {
                        h = ichida;
                    }
                    break;
            }
            ++i;
        }
        return n_;
    }

    // A start or end tag at i: its name in lower case and where it ends,
    // quoted attribute values (which may hold '>') skipped whole.
    Teg tegniOqi(std::size_t i) const {
        Teg g;
        std::size_t j = i + 1;
        if (t_[j] == '/') {
            g.yopuvchi = true;
            ++j;
        }
        for (; j < n_ && !bosliqmi(t_[j]) && t_[j] != '/' && t_[j] != '>'; ++j)
            if (g.nomi.size() < 16 || t_[j] == ':') g.nomi += kichik(t_[j]);
        enum { oldin, nomda, nomdanKeyin, qiymatOldin, tirnoqdanKeyin, tirnoqsiz, yopiq } h = oldin;
        for (; j < n_; ++j) {
            const char c = t_[j];
            if (c == '>') {
                g.ozidanYopiq = h == yopiq;
                g.oxiri = j + 1;
                return g;
            }
            switch (h) {
                case oldin:
                case nomdanKeyin:
                case tirnoqdanKeyin:
                case yopiq:
                    if (bosliqmi(c)) h = h == nomdanKeyin ? nomdanKeyin : oldin;
                    else if (c == '/') h = yopiq;
                    else if (c == '=' && h == nomdanKeyin) h = qiymatOldin;
                    else h = nomda;
                    break;
                case nomda:
                    if (bosliqmi(c)) h = nomdanKeyin;
                    else if (c == '/') h = yopiq;
                    else if (c == '=') h = qiymatOldin;
                    break;
                case qiymatOldin:
                    if (c == '"' || c == '\'') {
                        j = t_.find(c, j + 1);
                        if (j == yoq) j = n_;
                        h = tirnoqdanKeyin;
                    } else if (!bosliqmi(c)) {
                        h = tirnoqsiz;
                    }
                    break;
                case tirnoqsiz:
                    if (bosliqmi(c)) h = oldin;
                    break;
            }
        }
        g.oxiri = n_;  // cut off inside the tag: the rest is no text
        return g;
    }

    void xomQosh(std::size_t boshi, std::size_t oxiri) {
        if (boshi >= oxiri) return;
        Bolak b;
        b.boshi = boshi;
        b.oxiri = oxiri;
        const std::string_view s = t_.substr(boshi, oxiri - boshi);
        if (!jadval_ || std::all_of(s.begin(), s.end(), [](char c) { return (c & 0x80) == 0; })) {
            b.hujjatda = true;
            b.matnBoshi = boshi;
            b.matnUzunligi = oxiri - boshi;
        } else {
            b.matnBoshi = kodlangan_.size();
            for (const char c : s) utf8Qosh(jadval_->kodi(static_cast<unsigned char>(c)), kodlangan_);
            b.matnUzunligi = kodlangan_.size() - b.matnBoshi;
        }
        bolakQosh(b);
    }

    void bolakQosh(const Bolak& b) {
        if (qolip_ > 0) return;  // a template's content is not shown
        if (ajrat_ && !bolaklar_.empty() && bolaklar_.back().tur != Tur::ajratgich) {
            Bolak a;
            a.tur = Tur::ajratgich;
            bolaklar_.push_back(a);
        }
        ajrat_ = false;
        if (!yugurishOchiq_) {
            yugurishlar_.push_back({b.boshi, b.oxiri, bolaklar_.size(), 0});
            yugurishOchiq_ = true;
        }
        bolaklar_.push_back(b);
        yugurishlar_.back().oxiri = b.oxiri;
        ++yugurishlar_.back().soni;
    }

    std::string_view matni(const Bolak& b) const {
        if (b.tur == Tur::ajratgich) return ajratgichMatni;
        return (b.hujjatda ? t_ : std::string_view(kodlangan_)).substr(b.matnBoshi, b.matnUzunligi);
    }

    // ---- Writing ----

    // Character data of a stretch that changed goes back in full: a '<' or
    // an '&' left as it was could now start markup with what follows.
    Natija yoz(const std::vector<std::string_view>& qismlar, const std::vector<std::string>& chiqdi) const {
        Natija r;
        r.matn.reserve(n_ + n_ / 16);
        std::size_t yozildi = 0;
        for (const Yugurish& y : yugurishlar_) {
            bool ozgardi = false;
            for (std::size_t k = y.birinchi; k < y.birinchi + y.soni && !ozgardi; ++k)
                ozgardi = chiqdi[k] != qismlar[k];
            if (!ozgardi) continue;
            r.matn.append(t_, yozildi, y.boshi - yozildi);
            for (std::size_t k = y.birinchi; k < y.birinchi + y.soni; ++k) {
                const Bolak& b = bolaklar_[k];
                const std::string_view asli = t_.substr(b.boshi, b.oxiri - b.boshi);
                const std::size_t yangiBoshi = r.matn.size();
                const bool oshandaymi = chiqdi[k] == qismlar[k];
                if (b.tur == Tur::noaniq || (b.tur == Tur::havola && oshandaymi && b.nuqtaliVergulli))
                    r.matn += asli;
                else if (b.tur == Tur::xom && oshandaymi)
                    qochir(asli, r.matn, false);
                else
                    matnniYoz(chiqdi[k], r.matn);
                if (std::string_view(r.matn).substr(yangiBoshi) != asli)
                    r.almashtirishlar.push_back({b.boshi, b.oxiri, yangiBoshi, r.matn.size()});
            }
            yozildi = y.oxiri;
        }
        r.matn.append(t_, yozildi);
        return r;
    }

    // Bytes with the three markup characters escaped, and U+00A0 too when
    // `nbsp`: they are ASCII in every charset read here.
    static void qochir(std::string_view s, std::string& chiqish, bool nbsp) {
        std::size_t bosh = 0;
        for (std::size_t i = 0; i < s.size(); ++i) {
            std::string_view q;
            const char c = s[i];
            if (c == '&') q = "&amp;";
            else if (c == '<') q = "&lt;";
            else if (c == '>') q = "&gt;";
            else if (nbsp && c == '\xC2' && i + 1 < s.size() && s[i + 1] == '\xA0') q = "&nbsp;";
            else continue;
            chiqish.append(s, bosh, i - bosh);
            chiqish += q;
            if (q.size() == 6) ++i;
            bosh = i + 1;
        }
        chiqish.append(s, bosh);
    }

    // Converted text: UTF-8 as it is, or in the charset, with a numeric
    // reference for what it cannot hold.
    void matnniYoz(std::string_view s, std::string& chiqish) const {
        if (!jadval_) return qochir(s, chiqish, true);
        for (std::size_t i = 0; i < s.size();) {
            const auto k = utf8::ochish(s, i);
            if (k.uzunlik == 0) {  // never read from a table; kept all the same
                chiqish += s[i++];
                continue;
            }
            if (k.kod < 0x80 || k.kod == 0xA0) qochir(s.substr(i, k.uzunlik), chiqish, true);
            else if (const auto b = jadval_->bayti(k.kod)) chiqish += char(*b);
            else chiqish += "&#" + std::to_string(std::uint32_t(k.kod)) + ";";
            i += k.uzunlik;
        }
    }

    std::string_view t_;
    std::size_t n_;
    const BirBayt* jadval_;
    std::vector<Bolak> bolaklar_;
    std::vector<Yugurish> yugurishlar_;
    std::string kodlangan_;
    bool yugurishOchiq_ = false;
    bool ajrat_ = false;  // a break before the next piece
    int qolip_ = 0;       // open <template>s
    int yot_ = 0;         // open <svg>s and <math>s, where "<![CDATA[" opens a section
};

}  // namespace

Natija utf8niOgir(std::string_view html, std::optional<bool> kirillmi) {
    return Tahlil(html, nullptr).ogir(kirillmi);
}

}  // namespace html

std::optional<std::string> htmlOgir(std::string_view html, std::optional<bool> kirillmi) {
    const auto k = html::kodlashniAniqla(html);
    if (!k) return std::nullopt;
    switch (k->tur) {
        case html::KodlashTuri::utf8:
            return html::utf8niOgir(html, kirillmi).matn;
        case html::KodlashTuri::birBayt: {
            const auto jadval = html::BirBayt::och(k->nomi);
            if (!jadval) return std::nullopt;
            return html::Tahlil(html, &*jadval).ogir(kirillmi).matn;
        }
        case html::KodlashTuri::utf16le:
        case html::KodlashTuri::utf16be: {
            // Read as UTF-8 after the byte order mark; an odd last byte stays.
            const bool katta = k->tur == html::KodlashTuri::utf16be;
            const std::string_view tana = html.substr(2, (html.size() - 2) & ~std::size_t{1});
            const std::string u8 = html::utf16dan(tana, katta);
            const std::string r = html::utf8niOgir(u8, kirillmi).matn;
            if (r == u8) return std::string(html);
            std::string chiqish(html.substr(0, 2));
            chiqish += html::utf16ga(r, katta);
            chiqish += html.substr(2 + tana.size());
            return chiqish;
        }
    }
    return std::nullopt;
}

}  // namespace harfnur::boymatn
