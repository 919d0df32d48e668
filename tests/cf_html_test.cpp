// Windows' "HTML Format": the HTML converted and every offset of the header
// still pointing at the same markup, checked by slicing the result.
#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>

#include "boymatn/cf_html.h"
#include "tests/belgilash_yordam.h"

using harfnur::boymatn::cfHtmlOgir;

namespace {

// A header as Windows documents it in front of context and fragment, its
// numbers `kenglik` digits wide (0: as short as they come); without
// `kontekst` StartHTML and EndHTML are -1.
std::string cfHtml(const std::string& oldi, const std::string& fragment, const std::string& keyin,
                   std::size_t kenglik = 10, bool tanlov = false, bool kontekst = true) {
    auto son = [&](std::size_t v) {
        const std::string s = std::to_string(v);
        return std::string(kenglik > s.size() ? kenglik - s.size() : 0, '0') + s;
    };
    for (std::size_t l = 0;;) {
        const std::size_t sf = l + oldi.size(), ef = sf + fragment.size();
        std::string h = "Version:0.9\r\nStartHTML:" + (kontekst ? son(l) : "-1") + "\r\nEndHTML:" +
                        (kontekst ? son(ef + keyin.size()) : "-1") + "\r\nStartFragment:" + son(sf) +
                        "\r\nEndFragment:" + son(ef) + "\r\n";
        if (tanlov) h += "StartSelection:" + son(sf) + "\r\nEndSelection:" + son(ef) + "\r\n";
        h += "SourceURL:https://example.com/a?b=1\r\n";
        if (h.size() == l) return h + oldi + fragment + keyin;
        l = h.size();
    }
}

std::int64_t son(const std::string& cf, const std::string& nom) {
    const std::size_t i = cf.find(nom + ":") + nom.size() + 1;
    return std::stoll(cf.substr(i, cf.find('\r', i) - i));
}

struct Misol {
    const char* nomi;
    std::string oldi, fragment, keyin, yangiFragment;
    std::size_t kenglik = 10;
    bool tanlov = false, kontekst = true;
};

const std::string chromiumOldi = "<html>\r\n<body>\r\n<!--StartFragment-->";
const std::string chromiumKeyin = "<!--EndFragment-->\r\n</body>\r\n</html>";

TEST(CfHtml, OffsetsFollowTheMarkup) {
    // EndHTML just under 1000, so that the text growing lengthens the header.
    std::string uzun;
    for (std::size_t p = 0;; ++p) {
        uzun = "<!--" + std::string(p, 'x') + "-->";
        if (son(cfHtml(uzun, "AT&T sh", "", 0), "EndHTML") >= 997) break;
    }
    const std::string oldi1251 = "<html><head><meta charset=windows-1251></head><body><!--StartFragment-->";
    const Misol misollar[] = {
        {"Chromium", chromiumOldi, "<span style=\"color: rgb(0, 0, 0);\">O'zbekiston</span> <b>o</b>'g'il",
         chromiumKeyin, "<span style=\"color: rgb(0, 0, 0);\">Özbekiston</span> <b>ö</b>ğil"},
        {"shorter, with a selection", chromiumOldi, "<p>Тошкент шаҳри</p>", chromiumKeyin, "<p>Toşkent şahri</p>",
         10, true},
        {"header grows", uzun, "AT&T sh", "", "AT&amp;T ş", 0},
        {"no context", "", "<b>o</b>'g'il", "", "<b>ö</b>ğil", 10, false, false},
        {"always UTF-8", oldi1251, "o'g'il", chromiumKeyin, "öğil"},
        {"nothing to convert", chromiumOldi, "<p>özbek</p>", chromiumKeyin, "<p>özbek</p>"},
    };
    for (const auto& m : misollar) {
        const std::string kirish = cfHtml(m.oldi, m.fragment, m.keyin, m.kenglik, m.tanlov, m.kontekst) + '\0';
        const auto r = cfHtmlOgir(kirish);
        ASSERT_TRUE(r) << m.nomi;
        const std::string& c = *r;
        const auto sf = son(c, "StartFragment"), ef = son(c, "EndFragment");
        EXPECT_EQ(c.substr(sf, ef - sf), m.yangiFragment) << m.nomi;
        EXPECT_EQ(c.substr(0, sf).substr(sf - m.oldi.size()), m.oldi) << m.nomi;
        EXPECT_EQ(c.substr(ef), m.keyin + '\0') << m.nomi;
        if (m.kontekst) {
            EXPECT_EQ(son(c, "StartHTML") + std::int64_t(m.oldi.size()), sf) << m.nomi;
            EXPECT_EQ(son(c, "EndHTML") + 1, std::int64_t(c.size())) << m.nomi;
        }
        if (m.tanlov) {
            EXPECT_EQ(son(c, "StartSelection"), sf);
            EXPECT_EQ(son(c, "EndSelection"), ef);
        }
        if (m.kenglik == 10) {
            EXPECT_EQ(son(c, "StartHTML"), son(kirish, "StartHTML")) << m.nomi << ": header length";
        }
        EXPECT_EQ(harfnur::sinov::belgilash(c), harfnur::sinov::belgilash(kirish)) << m.nomi;
    }
    EXPECT_GE(son(*cfHtmlOgir(cfHtml(uzun, "AT&T sh", "", 0)), "EndHTML"), 1000);
}

// A selection that starts or ends inside text written anew takes that text in whole.
TEST(CfHtml, SelectionInsideNewText) {
    std::string k = cfHtml(chromiumOldi, "ab o'g'il", chromiumKeyin, 10, true);
    auto qoy = [&](const std::string& nom, std::int64_t v) {
        const std::string s = std::to_string(v);
        k.replace(k.find(nom + ":") + nom.size() + 11 - s.size(), s.size(), s);
    };
    qoy("StartSelection", son(k, "StartFragment") + 4);
    qoy("EndSelection", son(k, "StartFragment") + 5);
    const auto r = cfHtmlOgir(k);
    ASSERT_TRUE(r);
    EXPECT_EQ(son(*r, "StartSelection"), son(*r, "StartFragment"));
    EXPECT_EQ(son(*r, "EndSelection"), son(*r, "EndFragment"));
}

TEST(CfHtml, BrokenHeader) {
    const std::string yaxshi = cfHtml(chromiumOldi, "o'g'il", chromiumKeyin, 10, true);
    ASSERT_TRUE(cfHtmlOgir(yaxshi));
    struct Buzish {
        const char* eski;
        const char* yangi;
    };
    for (const auto& [eski, yangi] : {
             Buzish{"Version:0.9", "Versiom:0.9"},
             Buzish{"EndFragment:", "EndFragmenx:"},
             Buzish{"StartFragment:0", "StartFragment:9"},  // after EndFragment
             Buzish{"EndHTML:0", "EndHTML:9"},              // past the end
             Buzish{"StartHTML:0000000", "StartHTML:0000000000\r\nX:"},  // inside the header
             Buzish{"StartHTML:0", "StartHTML:x"},
             Buzish{"StartHTML:", "StartHTML:-1\r\nA:"},    // EndHTML without it
             Buzish{"EndSelection", "EndSelectiom"},
             Buzish{"SourceURL", "StartHTML:1\r\nX"},       // twice
         }) {
        std::string s = yaxshi;
        s.replace(s.find(eski), std::string(eski).size(), yangi);
        EXPECT_FALSE(cfHtmlOgir(s)) << yangi;
    }
    EXPECT_FALSE(cfHtmlOgir(""));
    EXPECT_FALSE(cfHtmlOgir("<html><body>o'g'il</body></html>"));
}

}  // namespace
