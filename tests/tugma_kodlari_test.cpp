// Finding the A, C and V keys in keyboard layouts, one layout per row.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "platform/tugma_kodlari.h"

namespace {

using harfnur::TugmaKodlari;
namespace hodisa = harfnur::hodisa;

// macOS virtual key codes of the three letter rows, left to right, as they
// sit on an ANSI keyboard.
const std::vector<std::uint16_t> qatorQ = {12, 13, 14, 15, 17, 16, 32, 34, 31, 35, 33, 30};
const std::vector<std::uint16_t> qatorA = {0, 1, 2, 3, 5, 4, 38, 40, 37, 41, 39};
const std::vector<std::uint16_t> qatorZ = {6, 7, 8, 9, 11, 45, 46, 43, 47, 44};

using Jadval = std::map<std::uint16_t, std::u16string>;

Jadval jadval(std::u16string q, std::u16string a, std::u16string z) {
    Jadval j;
    auto qoy = [&j](const std::vector<std::uint16_t>& kodlar, const std::u16string& s) {
        for (std::size_t i = 0; i < kodlar.size() && i < s.size(); ++i) j[kodlar[i]] = std::u16string(1, s[i]);
    };
    qoy(qatorQ, q);
    qoy(qatorA, a);
    qoy(qatorZ, z);
    return j;
}

const Jadval qwerty = jadval(u"qwertyuiop[]", u"asdfghjkl;'", u"zxcvbnm,./");
const Jadval dvorak = jadval(u"',.pyfgcrl/=", u"aoeuidhtns-", u";qjkxbmwvz");
const Jadval colemak = jadval(u"qwfpgjluy;[]", u"arstdhneio'", u"zxcvbkm,./");
const Jadval azerty = jadval(u"azertyuiop^$", u"qsdfghjklmù", u"wxcvbn,;:=");
const Jadval ruscha = jadval(u"йцукенгшщзхъ", u"фывапролджэ", u"ячсмитьбю.");

Jadval ozgartir(Jadval j, const std::map<std::uint16_t, std::u16string>& yangi) {
    for (const auto& [k, s] : yangi) j[k] = s;
    return j;
}

Jadval kattaHarflar(Jadval j) {
    for (auto& [_, s] : j)
        for (char16_t& c : s)
            if (c >= u'a' && c <= u'z') c = char16_t(c - u'a' + u'A');
    return j;
}

struct Tartib {
    const char* nomi;
    Jadval oddiy;    // nothing held
    Jadval buyruq;   // Command held
    TugmaKodlari kutilgan;
};

TEST(TugmaKodlari, Layouts) {
    const TugmaKodlari qatiy{0, 8, 9};
    const std::vector<Tartib> tartiblar = {
        {"QWERTY", qwerty, qwerty, qatiy},
        {"Dvorak", dvorak, dvorak, {0, 34, 47}},
        {"Dvorak - QWERTY Command: QWERTY under Command", dvorak, qwerty, qatiy},
        {"QWERTY that is Dvorak under Command: Command decides", qwerty, dvorak, {0, 34, 47}},
        {"Colemak keeps A, C and V in place", colemak, colemak, qatiy},
        {"AZERTY moves A only", azerty, azerty, {12, 8, 9}},
        {"Russian: no Latin letters, the fixed codes", ruscha, ruscha, qatiy},
        {"Dvorak without V: all three fixed, never a mix", dvorak, ozgartir(dvorak, {{47, u"ü"}}), qatiy},
        {"Dvorak without any A", ozgartir(dvorak, {{0, u"ä"}}), ozgartir(dvorak, {{0, u"ä"}}), qatiy},
        {"capital letters under Command (Caps Lock)", dvorak, kattaHarflar(dvorak), {0, 34, 47}},
        {"a fixed key that gives its letter is kept over a lower one", qwerty,
         ozgartir(qwerty, {{1, u"c"}}), qatiy},
        {"the lowest key wins among others", dvorak, ozgartir(dvorak, {{40, u"c"}, {50, u"c"}}), {0, 34, 47}},
        {"a lower duplicate key is found before a higher one", dvorak,
         ozgartir(ozgartir(dvorak, {{34, u"ğ"}}), {{50, u"c"}, {120, u"c"}}), {0, 50, 47}},
        {"two characters on one key are no letter", dvorak,
         ozgartir(dvorak, {{34, u"ca"}, {0, u"ab"}}), qatiy},
        {"a key beyond the layout's range is not used", dvorak,
         ozgartir(dvorak, {{34, u"ğ"}, {200, u"c"}}), qatiy},
    };
    for (const Tartib& t : tartiblar) {
        std::vector<std::uint64_t> soralgan;
        const auto belgi = [&](std::uint16_t kod, std::uint64_t bayroqlar) -> std::u16string {
            soralgan.push_back(bayroqlar);
            const Jadval& j = (bayroqlar & hodisa::buyruqBayrogi) ? t.buyruq : t.oddiy;
            const auto i = j.find(kod);
            return i == j.end() ? u"" : i->second;
        };
        EXPECT_EQ(harfnur::tugmaKodlariniTop(belgi), t.kutilgan) << t.nomi;
        for (std::uint64_t b : soralgan) EXPECT_EQ(b, hodisa::buyruqBayrogi) << t.nomi;
    }
}

TEST(TugmaKodlari, FixedCodeToKey) {
    const TugmaKodlari dv{0, 34, 47};
    const std::vector<std::pair<std::uint16_t, std::uint16_t>> qatorlar = {
        {hodisa::kodA, 0}, {hodisa::kodC, 34}, {hodisa::kodV, 47},
        {hodisa::chapShift, hodisa::chapShift}, {34, 34}, {47, 47},
    };
    for (const auto& [qatiy, kutilgan] : qatorlar) EXPECT_EQ(dv.kodi(qatiy), kutilgan) << qatiy;
}

}  // namespace
