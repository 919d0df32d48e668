// RTF converted in place, in the shapes Word, WordPad, LibreOffice Writer and
// TextEdit put on the clipboard: only the visible text may change.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "boymatn/rtf.h"
#include "boymatn/rtf_oqish.h"
#include "boymatn/rtf_parcha.h"
#include "engine/ogir.h"

namespace {

using harfnur::boymatn::rtfOgir;
namespace rtf = harfnur::boymatn::rtf;

struct Misol {
    const char* nomi;
    std::string kirish;
    // Pieces of the input and what they become; the rest stays as it is.
    std::vector<std::pair<std::string, std::string>> almashtirish;
    std::optional<bool> kirillmi = std::nullopt;
};

std::string kutilgan(const Misol& m) {
    std::string s = m.kirish;
    std::size_t dan = 0;
    for (const auto& [eski, yangi] : m.almashtirish) {
        const std::size_t i = s.find(eski, dan);
        if (i == std::string::npos) {
            ADD_FAILURE() << m.nomi << ": no " << eski;
            return s;
        }
        s.replace(i, eski.size(), yangi);
        dan = i + yangi.size();
    }
    return s;
}

// Тошкент in code page 1251.
const std::string toshkent = "\\'d2\\'ee\\'f8\\'ea\\'e5\\'ed\\'f2";

const std::vector<Misol> misollar = {
    {"Word", R"rtf({\rtf1\adeflang1025\ansi\ansicpg1251\uc1\adeff31507\deff0\stshfdbch31505\stshfloch31506\deflang1049
{\fonttbl{\f0\fbidi \froman\fcharset204\fprq2{\*\panose 02020603050405020304}Times New Roman;}
{\f31506\fbidi \fswiss\fcharset204\fprq2{\*\panose 020f0502020204030204}Calibri;}}
{\colortbl;\red0\green0\blue0;}{\*\rsidtbl \rsid1\rsid2}{\*\generator Microsoft Word 16.0;}
{\info{\author o'g'il}{\operator Shahar}}
{\*\latentstyles\lsdstimax376{\lsdlockedexcept \lsdpriority0 Normal;}}
\pard\plain \ltrpar\ql \rtlch\fcs1 \af31507 \ltrch\fcs0 \f31506\fs22\lang1049 {\rtlch\fcs1 \af31507 
\ltrch\fcs0 \insrsid1 \hich\af31506\dbch\af31505\loch\f31506 \'d2\'ee\'f8\'ea\'e5\'ed\'f2}{\rtlch\fcs1 \af31507 
\ltrch\fcs0 \b\insrsid2 \hich\af31506\dbch\af31505\loch\f31506  \'f8\'e0\u1203\'3f\'f0\'e8}
{\rtlch\fcs1 \af31507 \ltrch\fcs0 
\insrsid1 \par }{\*\themedata 504b0304}}
)rtf",
     {{toshkent, "To\\u351\\'73kent"}, {" \\'f8\\'e0\\u1203\\'3f\\'f0\\'e8", " \\u351\\'73ahri"}}},
    {"WordPad", "{\\rtf1\\ansi\\ansicpg1251\\deff0\\nouicompat\\deflang1049{\\fonttbl{\\f0\\fnil\\fcharset204 Calibri;}"
                "{\\f1\\fnil\\fcharset0 Calibri;}}\r\n{\\*\\generator Riched20 10.0.19041}\\viewkind4\\uc1 \r\n"
                "\\pard\\sa200\\sl276\\slmult1\\f0\\fs22\\lang1049\\'f7\\'e0\\'e9 \\'e8\\'f7\\f1\\lang1033  o'g'il"
                "\\par\r\n}\r\n",
     {{"\\'f7\\'e0\\'e9 \\'e8\\'f7", "\\u231\\'63ay i\\u231\\'63"}}, true},
    {"LibreOffice", R"rtf({\rtf1\ansi\deff3\adeflang1025
{\fonttbl{\f0\froman\fprq2\fcharset0 Times New Roman;}{\f3\froman\fprq2\fcharset0 Liberation Serif;}}
{\colortbl;\red0\green0\blue0;}
{\stylesheet{\s0\snext0\hich\af3\dbch\af4\afs24\loch\f3\fs24\lang1091 Oddiy o'g'il;}}
{\*\generator LibreOffice/7.4.7.2$Linux_X86_64 LibreOffice_project/40$Build-2}
{\info{\creatim\yr2024\mo1\dy5\hr10\min3}}\deftab709
\pard\plain \s0\ql\widctlpar\ltrpar\cf0\kerning1\dbch\af5\langfe2052\afs24
\loch\f3\hich\af3\fs24\lang1091{\loch
\u1179\'3f\u1072\'3f\u1083\'3f\u1098\'3f\u1072\'3f}
\par }
)rtf",
     {{"\\u1179\\'3f\\u1072\\'3f\\u1083\\'3f\\u1098\\'3f\\u1072\\'3f", "\\'71al\\u700\\'27a"}}},
    {"TextEdit", R"rtf({\rtf1\ansi\ansicpg1252\cocoartf2761
\cocotextscaling0\cocoplatform0{\fonttbl\f0\fswiss\fcharset0 Helvetica;}
{\colortbl;\red255\green255\blue255;}
{\*\expandedcolortbl;;}
\paperw11900\paperh16840\margl1440\margr1440\vieww11520\viewh8400\viewkind0
\pard\tx566\tx1133\pardirnatural\partightenfactor0

\f0\fs24 \cf0 O\'92zbekiston \
\uc0\u8216 o\u8217 g\u8217 il\u8217 }
)rtf",
     {{"O\\'92zbekiston", "\\u214\\'d6zbekiston"},
      {"\\u8216 o\\u8217 g\\u8217 il\\u8217 ", "\\u8216\\u246\\u287 il\\u8217"}}},

    {"qalin harf", "{\\rtf1\\ansi {\\b o}'zbek}", {{"{\\b o}'zbek", "{\\b \\u246\\'f6}zbek"}}},
    {"ansicpg1251", "{\\rtf1\\ansi\\ansicpg1251 " + toshkent + "}", {{toshkent, "To\\u351\\'73kent"}}},
    {"fcharset204",
     "{\\rtf1\\ansi\\ansicpg1252{\\fonttbl{\\f0\\fcharset0 Arial;}{\\f1\\fcharset204 Arial;}}"
     "\\f0 ab {\\f1 " + toshkent + "}}",
     {{toshkent, "To\\u351\\'73kent"}}},
    {"cpg", "{\\rtf1\\ansi{\\fonttbl{\\f1\\fcharset0\\cpg1251 Arial;}}\\f1 " + toshkent + "}",
     {{toshkent, "To\\u351\\'73kent"}}},
    {"kirill u", "{\\rtf1\\ansi \\u1179?\\u1203?\\u1171?\\u1118?}",
     {{"\\u1179?\\u1203?\\u1171?\\u1118?", "qh\\u287\\'67\\u246\\'f6"}}, true},
    {"rasm", "{\\rtf1\\ansi o{\\pict\\wmetafile8\\picw10\\pich10 0100090000036e00\r\n6f27277a}'zbek o'g'il}",
     {{"o'g'il", "\\u246\\'f6\\u287\\'67il"}}},
    {"ikkilik", "{\\rtf1\\ansi {\\object\\objemb{\\*\\objdata\\bin7 }{\\'\\u}o'g'il}}\\bin4 }{\\' o'g'il}",
     {{" o'g'il}", " \\u246\\'f6\\u287\\'67il}"}}},
    {"maydon",
     "{\\rtf1\\ansi {\\field{\\*\\fldinst HYPERLINK \"o'zbek\"}{\\fldrslt o'zbek}}"
     "{\\field{\\fldinst o'g'il}{\\fldrslt sh}}}",
     {{"{\\fldrslt o'zbek}", "{\\fldrslt \\u246\\'f6zbek}"}, {"{\\fldrslt sh}", "{\\fldrslt \\u351\\'73}"}}},
    {"jadval", "{\\rtf1\\ansi \\trowd\\cellx1000\\cellx2000 o\\cell 'zbek\\cell\\row o\\tab 'g\\line 'il\\par}", {}},
    {"uc0", "{\\rtf1\\ansi\\uc0 o'zbek \\u1179 o'5}", {{"o'zbek \\u1179 o'5", "\\u246 zbek \\u1179\\u246 5"}}},
    {"uc2", "{\\rtf1\\ansi\\uc2 \\u1179\\'3f\\'3f o'g'il}",
     {{"\\u1179\\'3f\\'3f o'g'il", "\\u1179\\'3f\\'3f \\u246\\'f6\\'3f\\u287\\'67\\'3fil"}}},
    {"uc guruhda", "{\\rtf1\\ansi\\uc1{\\uc2 o}'zbek \\u1179\\'3fab}",
     {{"{\\uc2 o}'zbek", "{\\uc2 \\u246\\'f6\\'3f}zbek"}}},
    {"mac", "{\\rtf1\\mac o\\'d5zbek}", {{"o\\'d5zbek", "\\u246\\'9azbek"}}},
    {"pc", "{\\rtf1\\pc o'zbek}", {{"o'zbek", "\\u246\\'94zbek"}}},
    {"shift-jis", "{\\rtf1\\ansi{\\fonttbl{\\f1\\fcharset128 MS Mincho;}}\\f1\\uc2 \\'82\\'a0 o'zbek \\'83\r\nA}",
     {{"\\'82\\'a0 o'zbek \\'83\r\nA", "\\u12354\\'82\\'a0 \\u246\\'6f\\'3fzbek \\u12450\\'83\\'41\r\n"}}},
    {"yolg'iz bosh bayt", "{\\rtf1\\ansi{\\fonttbl{\\f1\\fcharset128 MS Mincho;}}\\f1 \\'81\\'ff\\'f2 o'zbek}",
     {{"\\'f2 o'zbek", "\\'f2\\u32\\'20\\u246\\'6fzbek"}}},
    {"utf-8", "{\\rtf1\\ansi\\ansicpg65001 o'zbek \xd1\x88\xd0\xb0 \\'d1\\'88}",
     {{"o'zbek \xd1\x88\xd0\xb0 \\'d1\\'88", "\\u246\\'6fzbek \\u1096\\'3f\\u1072\\'3f \\u1096\\'3f"}}},
    {"surrogat juft", "{\\rtf1\\ansi \\u-10179?\\u-8704? o'zbek}",
     {{"\\u-10179?\\u-8704? o'zbek", "\\u-10179\\'3f\\u-8704\\'3f \\u246\\'f6zbek"}}},
    {"yolg'iz surrogat", "{\\rtf1\\ansi \\u-10179? o'zbek \\u-8704?o'}", {{" o'zbek", " \\u246\\'f6zbek"}}},
    {"belgi shrifti", "{\\rtf1\\ansi{\\fonttbl{\\f1\\fcharset2 Symbol;}} {\\f1 o'}zbek o{\\f1 \\'b7}'g'il}",
     {{"'g'il", "'\\u287\\'67il"}}},
    {"yashirin", "{\\rtf1\\ansi {\\*\\bkmkstart o'g'il}{\\*\\foo o'zbek}{\\listtext o'}{\\pntext sh}{\\tc o'}{\\xe o'}"
                 "{\\info{\\title o'zbek}}ab}",
     {}},
    {"xatcho'p ichida", "{\\rtf1\\ansi o{\\*\\bkmkstart x}'zbek}",
     {{"o{\\*\\bkmkstart x}'zbek", "\\u246\\'f6{\\*\\bkmkstart x}zbek"}}},
    {"izoh", "{\\rtf1\\ansi o{\\footnote\\pard o'g'il}'zbek}", {{"o'g'il", "\\u246\\'f6\\u287\\'67il"}}},
    {"qator oxiri", "{\\rtf1\\ansi o\r\n'zbek}", {{"o\r\n'zbek", "\\u246\\'f6\r\nzbek"}}},
    {"plain va deff",
     "{\\rtf1\\ansi\\deff1{\\fonttbl{\\f0\\fcharset0 A;}{\\f1\\fcharset204 B;}}\\f0 \\'f8 \\plain \\'f8\\'e0}",
     {{"\\plain \\'f8\\'e0", "\\plain \\u351\\'73a"}}, true},
    {"ochiq so'z", "{\\rtf1\\ansi\\ansicpg1251\\f0\\'f2\\'ee\\'f8}", {{"\\'f2\\'ee\\'f8", "\\'74o\\u351\\'73"}}},
    {"qochirilgan", "{\\rtf1\\ansi o'\\{sh\\}\\\\}", {{"sh", "\\u351\\'73"}}},
    {"yopilmagan", "{\\rtf1\\ansi {\\b o'zbek", {{"o'zbek", "\\u246\\'f6zbek"}}},
    {"hujjatdan keyin", "{\\rtf1\\ansi o'zbek}g'il}", {{"o'zbek}", "\\u246\\'f6zbek}"}}},
    {"bilmas sahifa faqat ASCII", "{\\rtf1\\ansi\\ansicpg1234 o'zbek}", {{"o'zbek", "\\u246\\'6fzbek"}}},
    {"lotin qadami berilgan", "{\\rtf1\\ansi Shahar \\'f8}", {{"Shahar \\'f8", "\\u350\\'53ahar \\u248\\'f8"}}, false},
    {"kirill qadami berilgan", "{\\rtf1\\ansi Shahar}", {}, true},
};

TEST(Rtf, Misollar) {
    for (const Misol& m : misollar) {
        const auto r = rtfOgir(m.kirish, m.kirillmi);
        ASSERT_TRUE(r) << m.nomi;
        EXPECT_EQ(*r, kutilgan(m)) << m.nomi;
    }
}

TEST(Rtf, RadEtiladi) {
    for (const char* kirish : {
             "",
             "rtf1",
             " {\\rtf1 o'zbek}",
             "{\\rt",
             "{\\rtf1\\ansicpg1234 \\'e0}",
             "{\\rtf1\\ansicpg1234 o'zbek \xe0}",
             "{\\rtf1{\\fonttbl{\\f0\\fcharset3 X;}}\\f0 \\'e0}",
             "{\\rtf1{\\fonttbl{\\f0\\fcharset130 Johab;}}\\f0 \\'e0}",
             "{\\rtf1\\ansi\\uc9 o'zbek}",
         })
        EXPECT_FALSE(rtfOgir(kirish)) << kirish;
    // A code page it cannot read is no reason to refuse where no byte needs it.
    EXPECT_TRUE(rtfOgir("{\\rtf1\\ansicpg1234 {\\*\\x \\'e0}\\u1179?}"));
    EXPECT_EQ(rtfOgir("{\\rtf1\\ansi\\uc9 abc}"), "{\\rtf1\\ansi\\uc9 abc}");
}

// Only text tokens may change: every control word, group, picture byte and
// line end stays, in order.
std::string matnsiz(std::string_view s) {
    static const std::vector<std::string_view> harfSozlar = {
        "lquote",  "rquote",  "ldblquote", "rdblquote", "bullet", "endash", "emdash",  "enspace",
        "emspace", "qmspace", "zwj",       "zwnj",      "zwbo",   "zwnbo",  "ltrmark", "rtlmark"};
    std::string r;
    for (std::size_t i = 0; i < s.size();) {
        const rtf::Parcha p = rtf::keyingiParcha(s, i);
        i = p.oxir;
        const bool harfBelgi = p.belgi && std::string_view("~_-\\{}").find(p.belgi) != std::string_view::npos;
        const bool harfSoz = p.nom == "u" ? p.parametrli
                                          : std::find(harfSozlar.begin(), harfSozlar.end(), p.nom) != harfSozlar.end();
        if (p.tur == rtf::Tur::Matn || p.tur == rtf::Tur::Hex || (p.tur == rtf::Tur::Belgi && harfBelgi) ||
            (p.tur == rtf::Tur::Soz && harfSoz))
            continue;
        r.append(s.substr(p.bosh, p.oxir - p.bosh));
        r += '\x01';
    }
    return r;
}

// The text a reader sees.
std::string matni(std::string_view s) {
    const auto o = rtf::oqi(s);
    if (!o) return "<rad>";
    std::string r;
    for (const rtf::Qism& q : o->qismlar) r += o->qismMatni(q);
    return r;
}

// Breaks of any length as one: a run that converts to nothing joins two.
std::string qisqa(std::string_view t) {
    std::string r;
    for (char c : t)
        if (c != '\n' || r.empty() || r.back() != '\n') r += c;
    return r;
}

TEST(Rtf, FaqatMatnOzgaradi) {
    for (const Misol& m : misollar) {
        const auto r = rtfOgir(m.kirish, m.kirillmi);
        ASSERT_TRUE(r) << m.nomi;
        EXPECT_EQ(matnsiz(*r), matnsiz(m.kirish)) << m.nomi;
        if (!m.kirillmi) {
            EXPECT_EQ(qisqa(matni(*r)), qisqa(harfnur::ogir(matni(m.kirish)))) << m.nomi;
        }
        EXPECT_EQ(rtfOgir(*r, m.kirillmi), r) << m.nomi;
    }
}

// Each font charset and code page reads its bytes through the right table.
TEST(Rtf, KodSahifalari) {
    struct S {
        const char *shrift, *baytlar, *matn;
    };
    const S jadval[] = {
        {"\\fcharset0", "\\'f8", "ш"},      {"\\fcharset1", "\\'f8", "ш"},      {"\\fcharset77", "\\'9a", "ö"},
        {"\\fcharset89", "\\'f8", "ш"},     {"\\fcharset161", "\\'e1", "α"},    {"\\fcharset162", "\\'fe", "ş"},
        {"\\fcharset163", "\\'e0", "à"},    {"\\fcharset177", "\\'e0", "א"},    {"\\fcharset178", "\\'c7", "ا"},
        {"\\fcharset186", "\\'e8", "č"},    {"\\fcharset204", "\\'f8", "ш"},    {"\\fcharset222", "\\'a1", "ก"},
        {"\\fcharset238", "\\'e8", "č"},    {"\\fcharset254", "\\'94", "ö"},    {"\\fcharset255", "\\'94", "ö"},
        {"\\fcharset85", "\\'e1", "α"},     {"\\fcharset86", "\\'df", "ş"},     {"\\fcharset88", "\\'9a", "ö"},
        {"\\fcharset128", "\\'82\\'a0", "あ"}, {"\\fcharset129", "\\'b0\\'a1", "가"},
        {"\\fcharset134", "\\'d6\\'d0", "中"}, {"\\fcharset136", "\\'a4@", "一"},
        {"\\cpg866", "\\'e8", "ш"},         {"\\cpg20866", "\\'db", "ш"},
        {"\\cpg21866", "\\'a6", "і"},       {"\\cpg852", "\\'9f", "č"},         {"\\cpg855", "\\'f5", "ш"},
        {"\\cpg857", "\\'9f", "ş"},         {"\\cpg862", "\\'80", "א"},         {"\\cpg28591", "\\'f6", "ö"},
        {"\\cpg28595", "\\'e8", "ш"},       {"\\cpg65001", "\\'d1\\'88", "ш"},
    };
    for (const S& s : jadval) {
        const std::string rtf =
            std::string("{\\rtf1\\ansi\\ansicpg1251{\\fonttbl{\\f1") + s.shrift + " X;}}\\f1 " + s.baytlar + "}";
        EXPECT_EQ(matni(rtf), s.matn) << rtf;
    }
}

TEST(Rtf, Parchalar) {
    struct P {
        std::string kirish;
        rtf::Tur tur;
        std::size_t oxir;
        std::string nom = "";
        std::int32_t parametr = 0;
        bool ajratgichli = false;
    };
    using T = rtf::Tur;
    const P jadval[] = {
        {"{x", T::Ochish, 1},
        {"}", T::Yopish, 1},
        {"\r\n", T::Qator, 1},
        {"ab c\\d", T::Matn, 4},
        {"\\b0 x", T::Soz, 4, "b", 0, true},
        {"\\u-1179?x", T::Soz, 7, "u", -1179},
        {"\\b-x", T::Soz, 2, "b"},
        {"\\par99999999999 ", T::Soz, 16, "par", INT32_MAX, true},
        {"\\'e9x", T::Hex, 4, "", 0xe9},
        {"\\'E", T::Belgi, 2},
        {"\\'zz", T::Belgi, 2},
        {"\\~", T::Belgi, 2},
        {"\\\r", T::Belgi, 2},
        {"\\", T::Belgi, 1},
        {"\\bin3 }{\\x", T::Ikkilik, 9, "bin", 3, true},
        {"\\bin9 ab", T::Ikkilik, 8, "bin", 9, true},
        {"\\bin-2x", T::Ikkilik, 6, "bin", -2},
    };
    for (const P& p : jadval) {
        const rtf::Parcha r = rtf::keyingiParcha(p.kirish, 0);
        EXPECT_EQ(r.tur, p.tur) << p.kirish;
        EXPECT_EQ(r.oxir, p.oxir) << p.kirish;
        EXPECT_EQ(r.nom, p.nom) << p.kirish;
        if (p.tur == T::Soz || p.tur == T::Hex || p.tur == T::Ikkilik) {
            EXPECT_EQ(r.parametr, p.parametr) << p.kirish;
        }
        EXPECT_EQ(r.ajratgichli, p.ajratgichli) << p.kirish;
    }
}

}  // namespace
