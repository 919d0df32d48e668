#include "boymatn/rtf.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "boymatn/rtf_oqish.h"
#include "engine/qismlar.h"
#include "engine/utf8.h"

namespace harfnur::boymatn {

namespace {

using rtf::Qism;

// A \u written back takes at most this many fallback bytes; past it the
// document is refused rather than grown without bound.
constexpr int zaxiraChegarasi = 8;

// What a reader that knows no \u shows where the code page lacks the letter.
char taxminiy(char32_t k) {
    switch (k) {
        case U'ö': return 'o';
        case U'Ö': return 'O';
        case U'ğ': return 'g';
        case U'Ğ': return 'G';
        case U'ş': return 's';
        case U'Ş': return 'S';
        case U'ç': return 'c';
        case U'Ç': return 'C';
        case 0x02BC: case 0x02BB: case 0x2018: case 0x2019: return '\'';
        case 0x201C: case 0x201D: return '"';
        case 0x2011: case 0x2013: case 0x2014: case 0x00AD: return '-';
        case 0x00A0: return ' ';
        default: return '?';
    }
}

void hexYoz(unsigned char b, std::string& s) {
    static constexpr char raqam[] = "0123456789abcdef";
    s += "\\'";
    s += raqam[b >> 4];
    s += raqam[b & 15];
}

// `uc` bytes that a reader without \u shows for `kod`.
void zaxiraYoz(char32_t kod, const Qism& q, rtf::KodSahifa* sahifa, std::string& s) {
    if (q.uc == 0) return;
    std::string_view b;
    if (sahifa && kod < 0x10000) b = sahifa->baytlari(kod);
    const char t = taxminiy(kod);
    if (b.empty() || b.size() > std::size_t(q.uc)) b = std::string_view(&t, 1);
    for (unsigned char c : b) hexYoz(c, s);
    for (std::size_t k = b.size(); k < std::size_t(q.uc); ++k) hexYoz('?', s);
}

bool ajratgichKerakmi(char32_t k) {
    return (k >= 'a' && k <= 'z') || (k >= 'A' && k <= 'Z') || (k >= '0' && k <= '9') || k == ' ' || k == '-';
}

// The run's new text in RTF: ASCII as it is, anything else as \u with its
// fallback. Its line ends, which RTF ignores, come after it.
bool qismniYoz(std::string_view rtf, const Qism& q, std::string_view yangi, rtf::Sahifalar& sahifalar,
               std::string& s) {
    rtf::KodSahifa* sahifa = nullptr;
    bool sahifaOchildi = false;
    // A lead byte kept before the run would join a byte written first.
    if (q.baytdanKeyin && yangi.empty()) return false;
    enum { Yoq, Asl, Ozim } soz = q.sozdanKeyin ? Asl : Yoq;  // an open control word before
    for (std::size_t i = 0; i < yangi.size();) {
        const bool birinchi = i == 0;
        const auto sk = utf8::ochish(yangi, i);
        const char32_t k = sk.uzunlik ? sk.kod : 0xFFFD;
        i += sk.uzunlik ? sk.uzunlik : 1;
        if (((k >= 0x20 && k < 0x7F) || k == '\t') && !(birinchi && q.baytdanKeyin)) {
            if (k == '\\' || k == '{' || k == '}') {
                s += '\\';
                s += char(k);
            } else if (soz == Asl && ajratgichKerakmi(k)) {
                hexYoz(static_cast<unsigned char>(k), s);  // the original word keeps its bytes
            } else {
                if (soz == Ozim && ajratgichKerakmi(k)) s += ' ';
                s += char(k);
            }
            soz = Yoq;
            continue;
        }
        if (q.uc > zaxiraChegarasi) return false;
        if (!sahifaOchildi && q.uc > 0) {
            sahifa = q.sahifa > 0 ? sahifalar.ol(q.sahifa) : nullptr;
            sahifaOchildi = true;
        }
        char16_t birlik[2];
        int n = 0;
        if (k < 0x10000) {
            birlik[n++] = char16_t(k);
        } else {
            birlik[n++] = char16_t(0xD800 + ((k - 0x10000) >> 10));
            birlik[n++] = char16_t(0xDC00 + ((k - 0x10000) & 0x3FF));
        }
        for (int j = 0; j < n; ++j) {
            s += "\\u";
            s += std::to_string(std::int16_t(birlik[j]));
            zaxiraYoz(n == 1 ? k : char32_t('?'), q, sahifa, s);
            soz = q.uc == 0 ? Ozim : Yoq;
        }
    }
    for (std::size_t i = q.bosh; i < q.oxir; ++i)
        if (rtf[i] == '\r' || rtf[i] == '\n') s += rtf[i];
    return true;
}

}  // namespace

std::optional<std::string> rtfOgir(std::string_view rtf, std::optional<bool> kirillmi) {
    std::optional<rtf::Oqilgan> o = rtf::oqi(rtf);
    if (!o) return std::nullopt;
    std::vector<std::string_view> kirish;
    kirish.reserve(o->qismlar.size());
    for (const Qism& q : o->qismlar) kirish.push_back(o->qismMatni(q));
    const std::vector<std::string> chiqish = qismlabOgir(kirish, kirillmi);

    std::string r;
    r.reserve(rtf.size() + rtf.size() / 8);
    std::size_t joy = 0;
    for (std::size_t i = 0; i < o->qismlar.size(); ++i) {
        const Qism& q = o->qismlar[i];
        if (q.uzilish || chiqish[i] == kirish[i]) continue;
        r.append(rtf, joy, q.bosh - joy);
        if (!qismniYoz(rtf, q, chiqish[i], o->sahifalar, r)) return std::nullopt;
        joy = q.oxir;
    }
    r.append(rtf, joy);
    return r;
}

}  // namespace harfnur::boymatn
