// Pieces of harfnur-ogir in-process: ordered jobs on threads, encodings, the
// command line.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <unicode/ucnv.h>
#include <unistd.h>

#include <atomic>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <thread>
#include <variant>

#include "tools/kodlash.h"
#include "tools/konsol.h"
#include "tools/qayta_urinish.h"
#include "tools/qismlab.h"
#include "tools/tartibli_ishlar.h"
#include "tools/toplovchi.h"
#include "tools/vaqtincha_fayl.h"
#include "tools/variantlar.h"
#include "tools/xarita.h"

namespace {

namespace og = harfnur::ogiruvchi;

// A console write must not split a character: the cut part waits.
TEST(OgiruvchiKonsol, WholeCharactersOnly) {
    // ö is C3 B6, қ D2 9B, ‘ E2 80 98, 😀 F0 9F 98 80.
    const std::vector<std::pair<std::string, std::size_t>> jadval = {
        {"", 0}, {"sho'x", 5}, {"x\xC3\xB6", 3}, {"x\xC3", 1}, {"a\xD2\x9B\xC3", 3},
        {"ab\xF0", 2}, {"ab\xF0\x9F", 2}, {"ab\xF0\x9F\x98", 2}, {"ab\xF0\x9F\x98\x80", 6}, {"\xE2\x80\x98x", 4},
        // Bytes that start or continue nothing are passed on, to show as U+FFFD.
        {"a\x80", 2}, {"a\x80\x80\x80\x80", 5}, {"a\xC0", 2}, {"a\xFF", 2}, {"\xB6", 1},
    };
    for (const auto& [s, n] : jadval) EXPECT_EQ(og::butunQismi(s), n) << s.size();
    // Pieces joined back give the whole text, wherever it is cut.
    const std::string matn = "To\xC5\x9Fkent \xD2\x9B\xF0\x9F\x98\x80 \xC3\xA7oy \xC3\xB6";
    for (std::size_t kesim = 0; kesim <= matn.size(); ++kesim) {
        std::string qoldiq, chiqdi;
        for (const std::string& bolak : {matn.substr(0, kesim), matn.substr(kesim)}) {
            qoldiq.append(bolak);
            const std::size_t n = og::butunQismi(qoldiq);
            chiqdi.append(qoldiq, 0, n);
            qoldiq.erase(0, n);
        }
        EXPECT_EQ(chiqdi, matn) << kesim;
        EXPECT_EQ(qoldiq, "") << kesim;
    }
}

TEST(OgiruvchiQaytaUrinish, OnlyWhileAnotherProgramHoldsTheFile) {
    constexpr unsigned long rad = 5, ulashish = 32, qulf = 33, yoq = 2, disk = 112;
    int jami = 0, marta = 0;
    for (int u = 1;; ++u) {
        const int k = og::almashtirishKutishi(ulashish, false, u);
        if (k < 0) break;
        EXPECT_GT(k, 0);
        jami += k;
        ++marta;
    }
    EXPECT_EQ(marta, 7);
    EXPECT_GE(jami, 1000);  // long enough for a scanner's look
    EXPECT_LE(jami, 2000);  // short enough not to seem hung
    EXPECT_EQ(og::almashtirishKutishi(qulf, false, 1), 10);
    EXPECT_EQ(og::almashtirishKutishi(rad, false, 1), 10);
    EXPECT_EQ(og::almashtirishKutishi(rad, true, 1), -1);  // read-only: refused for good
    EXPECT_EQ(og::almashtirishKutishi(ulashish, true, 1), 10);
    EXPECT_EQ(og::almashtirishKutishi(yoq, false, 1), -1);
    EXPECT_EQ(og::almashtirishKutishi(disk, false, 1), -1);
    EXPECT_EQ(og::almashtirishKutishi(ulashish, false, 0), -1);
}

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
        // Each piece is let go only once its output is taken, and in order:
        // its pages may be dropped then.
        std::vector<std::string_view> berilgan, qoyilgan;
        og::qismlabOgir(
            ishlar, matn, 999, nullptr,
            [&](std::string_view k, std::string_view c) {
                kirishlar += k;
                r += c;
                berilgan.push_back(k);
            },
            [&](std::string_view k) {
                if (!berilgan.empty()) {
                    ASSERT_EQ(k.data(), berilgan[qoyilgan.size()].data());
                    qoyilgan.push_back(k);
                }
            });
        ishlar.kut();
        EXPECT_EQ(kirishlar, matn);
        EXPECT_EQ(r, harfnur::ogir(matn));
        EXPECT_EQ(qoyilgan.size(), berilgan.size());
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

// Parts may split a unit, a surrogate pair, or leave an odd byte: any cut
// gives the bytes of the whole.
TEST(Ogiruvchi, Utf16InPartsAsWhole) {
    std::string le;
    for (unsigned u : {0x41u, 0xD83Du, 0xDE00u, 0x44Cu, 0xD800u, 0x41u, 0xDC00u, 0xD800u, 0xD801u, 0xDC37u, 0xD800u})
        le += char(u & 0xFF), le += char(u >> 8);
    for (bool katta : {false, true}) {
        std::string b = le;
        if (katta)
            for (std::size_t i = 0; i < b.size(); i += 2) std::swap(b[i], b[i + 1]);
        for (const std::string& t : {b, b + "\x07"}) {
            const std::string butun = og::utf16dan(t, katta);
            for (std::size_t kesish = 0; kesish <= t.size(); ++kesish) {
                og::Utf16Ochuvchi o(katta);
                std::string r;
                o.qosh(t.substr(0, kesish), r);
                o.qosh(t.substr(kesish), r);
                EXPECT_EQ(o.tugat(r), t.size() % 2 ? "\x07" : "") << kesish;
                EXPECT_EQ(r, butun) << katta << " " << kesish;
            }
            og::Utf16Ochuvchi bitta(katta);  // a byte at a time
            std::string r;
            for (char c : t) bitta.qosh(std::string_view(&c, 1), r);
            bitta.tugat(r);
            EXPECT_EQ(r, butun);
        }
    }
}

// ICU's converters keep their state from part to part: a character split
// between parts, or a shift sequence, reads as in one piece.
TEST(Ogiruvchi, IcuInPartsAsWhole) {
    const std::string matn = "Тошкент шаҳри, o'g'il. Ўзбекистон — 日本語 €\r\nЁш\n";
    for (const char* nom : {"windows-1251", "UTF-16", "Shift_JIS", "ISO-2022-JP", "GB18030", "UTF-8"}) {
        if (!og::icuBilarmi(nom)) continue;  // Windows' cut-down ICU data
        auto aylantir = [](const char* ga, const char* dan, std::string_view b) {
            std::string r(b.size() * 4 + 64, '\0');
            UErrorCode h = U_ZERO_ERROR;
            r.resize(std::size_t(ucnv_convert(ga, dan, r.data(), int32_t(r.size()), b.data(), int32_t(b.size()), &h)));
            EXPECT_TRUE(U_SUCCESS(h)) << ga << " " << dan;
            return r;
        };
        // Cut after the last byte too: a sequence left open at the end.
        const std::string baytlar = aylantir(nom, "UTF-8", matn) + "\x1B";
        const std::string butun = aylantir("UTF-8", nom, baytlar);
        for (std::size_t qadam : {std::size_t(1), std::size_t(2), std::size_t(3), std::size_t(7), baytlar.size()}) {
            og::IcuOchuvchi icu;
            std::string xato, r;
            ASSERT_TRUE(icu.och(nom, xato)) << xato;
            for (std::size_t i = 0; i < baytlar.size(); i += qadam)
                ASSERT_TRUE(icu.qosh(std::string_view(baytlar).substr(i, qadam), false, r, xato)) << xato;
            ASSERT_TRUE(icu.qosh({}, true, r, xato)) << xato;
            EXPECT_EQ(r, butun) << nom << " in parts of " << qadam;
        }
    }
    og::IcuOchuvchi yoq;
    std::string xato;
    EXPECT_FALSE(yoq.och("no-such-encoding", xato));
    EXPECT_EQ(xato.rfind("cannot read as no-such-encoding: ", 0), 0u) << xato;
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

#ifndef _WIN32  // Windows keeps such text in memory, and maps nothing

class OgiruvchiPapka : public ::testing::Test {
protected:
    void SetUp() override {
        papka_ = std::filesystem::temp_directory_path() /
                 ("harfnur-ogiruvchi-" + std::to_string(::getpid()) + "-" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(papka_);
        std::filesystem::create_directories(papka_);
    }
    void TearDown() override { std::filesystem::remove_all(papka_); }
    std::filesystem::path papka_;
};

// The text is the parts in order, whichever side of the threshold; past it,
// it lives in a file that has no name in the folder even while in use.
TEST_F(OgiruvchiPapka, GatheredTextInMemoryOrInAFile) {
    struct Hol {
        std::size_t chegara, qismlar, qismHajmi;
        bool toshadimi;
    } const hollar[] = {
        {1000, 0, 0, false},          {1000, 1, 1000, false},     {1000, 1, 1001, true},
        {1000, 10, 100, false},       {1000, 11, 100, true},      {1000, 3, 70000, true},
        {100000, 40, 2500, false},    {100000, 41, 2500, true},   {0, 1, 1, true},
        {std::size_t(1) << 20, 100, 9999, false},
    };
    for (const Hol& h : hollar) {
        og::Toplovchi t(h.chegara, papka_.string());
        std::string kutilgan;
        for (std::size_t i = 0; i < h.qismlar; ++i) {
            const std::string qism(h.qismHajmi, char('a' + i % 26));
            ASSERT_TRUE(t.qosh(qism));
            ASSERT_TRUE(t.qosh({}));
            kutilgan += qism;
        }
        ASSERT_TRUE(t.tugat()) << std::strerror(t.xato());
        EXPECT_EQ(t.toshdimi(), h.toshadimi) << h.chegara << " " << h.qismlar << " " << h.qismHajmi;
        EXPECT_EQ(t.matn(), kutilgan);
        EXPECT_TRUE(std::filesystem::is_empty(papka_));
        t.qoyibYubor(t.matn());  // pages dropped are read back from the file
        EXPECT_EQ(t.matn(), kutilgan);
    }
}

TEST_F(OgiruvchiPapka, GatheringFailsWithTheReason) {
    og::Toplovchi t(10, (papka_ / "yoq").string());
    EXPECT_TRUE(t.qosh("0123456789"));
    EXPECT_FALSE(t.qosh("x"));
    EXPECT_EQ(t.xato(), ENOENT);
    EXPECT_FALSE(t.qosh("y"));
    EXPECT_FALSE(t.tugat());
}

// A file cut short under its mapping: reads past the cut give zeros on
// every thread, no SIGBUS kills the process, and the mapping says so.
TEST_F(OgiruvchiPapka, MappingCutShortReadsZerosAndSaysSo) {
    og::signallarniOrnat();
    const std::string yol = (papka_ / "a.txt").string();
    const std::size_t hajm = 3 << 20;
    std::ofstream(yol, std::ios::binary) << std::string(hajm, 'x');
    const int fd = ::open(yol.c_str(), O_RDONLY);
    ASSERT_GE(fd, 0);
    {
        auto x = og::Xarita::och(fd, hajm);
        ASSERT_TRUE(x);
        const std::string_view b = x->baytlar();
        x->qoyibYubor(b.substr(0, hajm / 2));
        EXPECT_EQ(b[10], 'x');
        EXPECT_FALSE(x->kesildimi());
        const std::size_t kesish = 100001;
        ASSERT_EQ(::truncate(yol.c_str(), off_t(kesish)), 0);
        std::vector<std::thread> iplar;
        std::atomic<std::size_t> oqildi{0}, nollar{0};
        for (std::size_t i = 0; i < 3; ++i)
            iplar.emplace_back([&, i] {
                std::size_t n = 0, z = 0;
                for (std::size_t j = hajm - 1 - i * 4096; j > kesish; j -= 4096 * 3, ++n) z += b[j] == '\0';
                oqildi += n;
                nollar += z;
            });
        for (auto& t : iplar) t.join();
        EXPECT_GT(oqildi.load(), 700u);
        EXPECT_EQ(nollar.load(), oqildi.load());
        EXPECT_EQ(b[kesish - 1], 'x');
        EXPECT_EQ(b[kesish], '\0');
        EXPECT_TRUE(x->kesildimi());
    }
    ::close(fd);
}

#endif

}  // namespace
