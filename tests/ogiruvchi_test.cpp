// Pieces of harfnur-ogir in-process: ordered jobs on threads, encodings, the
// command line.
#include <gtest/gtest.h>

#include <atomic>
#include <variant>

#include "tools/kodlash.h"
#include "tools/qismlab.h"
#include "tools/tartibli_ishlar.h"
#include "tools/variantlar.h"

namespace {

namespace og = harfnur::ogiruvchi;

TEST(OgiruvchiThreads, ResultsComeInTheOrderGiven) {
    for (unsigned iplar : {1u, 2u, 5u}) {
        std::vector<int> olingan;
        std::atomic<int> birga{0}, engKop{0};
        {
            og::TartibliIshlar ishlar(iplar);
            for (int i = 0; i < 300; ++i) {
                ishlar.qosh(
                    [i, &birga, &engKop](og::TartibliIshlar::Joy& j) {
                        const int b = ++birga;
                        for (int k = engKop.load(); b > k && !engKop.compare_exchange_weak(k, b);) {
                        }
                        // Uneven work, so later jobs often finish first.
                        j.chiqish.assign(std::size_t((i * 7919) % 5000), char('a' + i % 26));
                        j.chiqish = std::to_string(i) + harfnur::ogir(j.chiqish).substr(0, 0);
                        --birga;
                    },
                    [&olingan](og::TartibliIshlar::Joy& j) { olingan.push_back(std::stoi(j.chiqish)); });
            }
            ishlar.kut();
        }
        ASSERT_EQ(olingan.size(), 300u);
        for (int i = 0; i < 300; ++i) ASSERT_EQ(olingan[std::size_t(i)], i) << iplar;
        EXPECT_LE(engKop.load(), int(std::max(iplar, 1u)));
    }
}

TEST(OgiruvchiThreads, PiecesOfOneTextInOrder) {
    std::string matn;
    for (int i = 0; matn.size() < 100000; ++i) matn += i % 3 ? "o'g'il shahar " : "поезд милиция\n";
    for (unsigned iplar : {1u, 3u}) {
        og::TartibliIshlar ishlar(iplar);
        std::string r, kirishlar;
        og::qismlabOgir(ishlar, matn, 999, nullptr, [&](std::string_view k, std::string_view c) {
            kirishlar += k;
            r += c;
        });
        ishlar.kut();
        EXPECT_EQ(kirishlar, matn);
        EXPECT_EQ(r, harfnur::ogir(matn));
    }
}

TEST(Ogiruvchi, BoundsCoverTheTextInCutsOnly) {
    // Line feeds first, blanks where a stretch has none.
    EXPECT_EQ(og::chegaralar("bir ikki\nuch to'rt besh\n\nolti", 3), (std::vector<std::size_t>{0, 9, 24, 29}));
    EXPECT_EQ(og::chegaralar("bir ikki uch", 3), (std::vector<std::size_t>{0, 4, 9, 12}));
    EXPECT_EQ(og::chegaralar("", 3), (std::vector<std::size_t>{0}));
}

TEST(Ogiruvchi, Utf16RoundTripsAnyUnits) {
    std::string baytlar;
    for (unsigned u : {0x41u, 0x44Cu, 0xD800u, 0xDC00u, 0xD83Du, 0xDE00u, 0xDFFFu, 0xFFFFu, 0u, 0xD800u})
        baytlar += char(u & 0xFF), baytlar += char(u >> 8);
    for (bool katta : {false, true}) {
        std::string b = baytlar;
        if (katta)
            for (std::size_t i = 0; i < b.size(); i += 2) std::swap(b[i], b[i + 1]);
        std::string qayta;
        og::utf16ga(og::utf16dan(b, katta), katta, qayta);
        EXPECT_EQ(qayta, b) << katta;
    }
    EXPECT_EQ(og::utf16dan(std::string("\x3D\xD8\x00\xDE", 4), false), "😀");
}

TEST(Ogiruvchi, Detection) {
    EXPECT_EQ(og::belgidan("\xFF\xFEx"), og::Kodlash::utf16le);
    EXPECT_EQ(og::belgidan("\xFE\xFF"), og::Kodlash::utf16be);
    EXPECT_EQ(og::belgidan("\xEF\xBB\xBFx"), og::Kodlash::utf8);
    EXPECT_TRUE(og::ikkilikmi(std::string("ab\0c", 4)));
    EXPECT_FALSE(og::ikkilikmi(std::string(70000, 'a') + '\0'));  // past the first 64 KB
    EXPECT_FALSE(og::utf8Emasmi("шаҳар \xFF o'g'il"));
    EXPECT_TRUE(og::utf8Emasmi("\xD8\xE0\xF5\xE0\xF0 \xF7\xEE\xE9 \xD8\xE0\xF5\xE0\xF0 \xF7\xEE\xE9"));
}

TEST(Ogiruvchi, UsageErrorsAreOneLineWithStatusTwo) {
    struct Hol {
        std::vector<std::string> a;
        std::string xabar;
    } const hollar[] = {
        {{"--nope"}, "unknown option '--nope'"},
        {{"-j0", "f"}, "invalid number of jobs '0'"},
        {{"-j", "x", "f"}, "invalid number of jobs 'x'"},
        {{"--jobs"}, "option '--jobs' needs a number"},
        {{"-o"}, "option '-o' needs a file name"},
        {{"--from"}, "option '--from' needs an encoding name"},
        {{"-i", "--check", "f"}, "--check and --in-place do not go together"},
        {{"--check", "-i", "f"}, "--check and --in-place do not go together"},
        {{"-i"}, "--in-place needs at least one FILE"},
        {{"--check", "-"}, "--check cannot take standard input"},
        {{"-i", "-o", "x", "f"}, "--output and --in-place do not go together"},
        {{"-l", "-i", "f"}, "--lines and --in-place do not go together"},
        {{"--in-place=", "f"}, "the --in-place suffix is empty"},
    };
    for (const Hol& h : hollar) {
        const auto v = og::variantlarniOqi(h.a);
        const og::Yakun* y = std::get_if<og::Yakun>(&v);
        ASSERT_NE(y, nullptr) << h.xabar;
        EXPECT_EQ(y->kod, 2);
        EXPECT_EQ(y->matn, "harfnur-ogir: " + h.xabar + " (try --help)\n");
    }
}

TEST(Ogiruvchi, OptionsAndTheirValues) {
    const auto v = og::variantlarniOqi({"-j3", "-i.orig", "-q", "--binary", "--from=koi8-r", "a", "--", "-b"});
    const og::Sozlamalar& s = std::get<og::Sozlamalar>(v);
    EXPECT_EQ(s.iplar, 3u);
    EXPECT_EQ(s.rejim, og::Rejim::joyida);
    EXPECT_EQ(s.zaxira, ".orig");
    EXPECT_TRUE(s.jim && s.ikkilik);
    EXPECT_EQ(s.manba, "koi8-r");
    EXPECT_EQ(s.fayllar, (std::vector<std::string>{"a", "-b"}));
    const auto w = og::variantlarniOqi({"--output", "x", "--jobs=2"});
    EXPECT_EQ(std::get<og::Sozlamalar>(w).chiqishFayli, "x");
    EXPECT_EQ(std::get<og::Sozlamalar>(w).fayllar, (std::vector<std::string>{"-"}));
}

}  // namespace
