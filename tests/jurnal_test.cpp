// The log: its switch, its line format, and whole lines under concurrency.
#include <gtest/gtest.h>

#include <set>
#include <thread>

#include "pipeline/jurnal.h"
#include "sim_yordam.h"

namespace {

using namespace harfnur;

TEST(Jurnal, SwitchFormatAndAppend) {
    sinov::Muhit muhit;
    auto& m = muhit.m;
    m.sozlamalar.yoz("jurnal", false);
    jurnal(m.platforma, "yozilmaydi");
    EXPECT_FALSE(std::filesystem::exists(muhit.jurnal));  // off: the file is not even created

    m.sozlamalar.yoz("jurnal", true);  // read afresh on every call
    jurnal(m.platforma, "birinchi");
    jurnal(m.platforma, "Shift’ni «ikki marta» bosing: ö ğ ş ç");
    jurnal(m.platforma, "");
    const auto q = sinov::qatorlar(muhit.jurnal);
    ASSERT_EQ(q.size(), 3u);
    EXPECT_EQ(q[0], "2026-03-21 00:00:00 +0000 birinchi");
    EXPECT_EQ(q[1], "2026-03-21 00:00:00 +0000 Shift’ni «ikki marta» bosing: ö ğ ş ç");
    EXPECT_EQ(q[2], "2026-03-21 00:00:00 +0000 ");
    m.soat.olgaSur(std::chrono::hours(25) + std::chrono::seconds(7));
    jurnal(m.platforma, std::string(3000, 'x'));  // longer than the stack buffer
    const auto q2 = sinov::qatorlar(muhit.jurnal);
    ASSERT_EQ(q2.size(), 4u);
    EXPECT_EQ(q2[3], "2026-03-22 01:00:07 +0000 " + std::string(3000, 'x'));
}

TEST(Jurnal, KeepsEarlierContentAndSurvivesAMissingFolder) {
    sinov::Muhit muhit;
    std::ofstream(muhit.jurnal) << "eski qator\n";
    jurnal(muhit.m.platforma, "yangi");
    EXPECT_EQ(sinov::qatorlar(muhit.jurnal),
              (std::vector<std::string>{"eski qator", "2026-03-21 00:00:00 +0000 yangi"}));
    sim::SimMuhit yoq(muhit.papka / "yoq" / "Harfnur.log");
    yoq.sozlamalar.yoz("jurnal", true);
    jurnal(yoq.platforma, "yo'qoladi");  // nowhere to write: lost quietly
    EXPECT_FALSE(std::filesystem::exists(muhit.papka / "yoq"));
}

TEST(Jurnal, LinesFromTwoThreadsArriveWhole) {
    sinov::Muhit muhit;
#ifdef _WIN32
    constexpr int n = 10'000;  // under Wine each write is a round trip to its server
#else
    constexpr int n = 100'000;
#endif
    auto yoz = [&](char c) {
        for (int i = 0; i < n; ++i) {
            const char bosh[2] = {c, 0};
            jurnal(muhit.m.platforma, birlashtir({bosh, std::to_string(i), " ikki marta"}));
        }
    };
    std::thread a(yoz, 'a'), b(yoz, 'b');
    a.join();
    b.join();
    const auto q = sinov::qatorlar(muhit.jurnal);
    ASSERT_EQ(q.size(), std::size_t(2 * n));
    std::set<std::string> korildi;
    // "<time> [ab]<number> ikki marta", whole
    const std::string bosh = "2026-03-21 00:00:00 +0000 ", oxir = " ikki marta";
    auto butunmi = [&](const std::string& s) {
        if (s.size() < bosh.size() + 2 + oxir.size() || !s.starts_with(bosh) || !s.ends_with(oxir)) return false;
        const std::string_view orta(s.data() + bosh.size(), s.size() - bosh.size() - oxir.size());
        return (orta[0] == 'a' || orta[0] == 'b') &&
               orta.find_first_not_of("0123456789", 1) == std::string_view::npos;
    };
    for (const auto& s : q) {
        ASSERT_TRUE(butunmi(s)) << s;
        korildi.insert(s.substr(26));
    }
    EXPECT_EQ(korildi.size(), std::size_t(2 * n));
}

}  // namespace
