// Pasteboard items through the flat snapshot and back.
#include <gtest/gtest.h>

#include <vector>

#include "platform/bufer_bandlari.h"

namespace {

using harfnur::BuferBandi;

struct Qator {
    const char* nomi;
    std::vector<BuferBandi> bandlar;
    std::vector<BuferBandi> qaytgan;  // what comes back
    std::size_t turlarSoni;           // entries in the snapshot, separators included
};

TEST(BuferBandlari, RoundTrip) {
    const BuferBandi matn = {{"public.utf8-plain-text", "salom"}, {"public.rtf", "{\\rtf1 salom}"}};
    const BuferBandi fayl1 = {{"public.file-url", "file:///a"}};
    const BuferBandi fayl2 = {{"public.file-url", "file:///b"}};
    const BuferBandi rasm = {{"public.png", std::string("\x89PNG\0\x01", 6)}};
    const std::vector<Qator> qatorlar = {
        {"nothing", {}, {}, 0},
        {"one item, two types: no separator", {matn}, {matn}, 2},
        {"two files stay two items", {fayl1, fayl2}, {fayl1, fayl2}, 3},
        {"three items keep their order", {rasm, matn, fayl1}, {rasm, matn, fayl1}, 6},
        {"an item with nothing is dropped", {fayl1, {}, fayl2}, {fayl1, fayl2}, 3},
        {"only empty items", {{}, {}}, {}, 0},
        {"an empty type inside an item is no boundary", {{{"", "x"}, {"public.png", "p"}}}, {{{"public.png", "p"}}}, 1},
        {"empty bytes are still content", {{{"public.utf8-plain-text", ""}}}, {{{"public.utf8-plain-text", ""}}}, 1},
    };
    for (const Qator& q : qatorlar) {
        const harfnur::port::BuferNusxasi n = harfnur::bandlardanNusxa(q.bandlar);
        EXPECT_EQ(n.turlar.size(), q.turlarSoni) << q.nomi;
        EXPECT_EQ(n.boshmi(), q.qaytgan.empty()) << q.nomi;
        EXPECT_EQ(harfnur::nusxadanBandlar(n), q.qaytgan) << q.nomi;
    }
}

TEST(BuferBandlari, FlatSnapshotsFromOtherBackends) {
    // A snapshot without separators (as the X11 backend makes) is one item;
    // stray separators make no empty items.
    harfnur::port::BuferNusxasi n;
    n.turlar = {{}, {"text/plain", "a"}, {"text/html", "<b>a</b>"}, {}, {}};
    const std::vector<BuferBandi> kutilgan = {{{"text/plain", "a"}, {"text/html", "<b>a</b>"}}};
    EXPECT_EQ(harfnur::nusxadanBandlar(n), kutilgan);
}

// Reading within the time budget: one row per case; `vaqt` is how many reads
// may start before the time is spent.
TEST(BuferBandlari, MuddatliOlish) {
    using harfnur::muddatliOlish;
    const std::vector<std::vector<std::string>> ikkiBand = {{"public.utf8-plain-text", "public.rtf"}, {"public.png"}};
    const std::vector<std::string> hammasi = {"public.utf8-plain-text", "public.rtf", "", "public.png"};
    auto oqi = [](std::size_t band, const std::string& tur) -> std::optional<std::string> {
        if (tur == "yoq") return std::nullopt;  // promised, not given
        return std::to_string(band) + ":" + tur;
    };
    const struct {
        const char* nomi;
        std::vector<std::vector<std::string>> turlar;
        int vaqt;
        bool faqatMatn;
        std::vector<std::pair<std::string, std::string>> kutilgan;
        int oqilmadi;
        std::vector<std::string> taklif;
    } jadval[] = {
        {"all in time",
         ikkiBand,
         100,
         false,
         {{"public.utf8-plain-text", "0:public.utf8-plain-text"}, {"public.rtf", "0:public.rtf"}, {"", ""},
          {"public.png", "1:public.png"}},
         0,
         hammasi},
        {"time spent after two reads: the rest counted, still offered",
         ikkiBand,
         2,
         false,
         {{"public.utf8-plain-text", "0:public.utf8-plain-text"}, {"public.rtf", "0:public.rtf"}},
         1,
         hammasi},
        {"no time at all", ikkiBand, 0, false, {}, 3, hammasi},
        {"only the picked types are read or counted",
         ikkiBand,
         0,
         true,
         {},
         1,
         hammasi},
        {"a type its owner does not give", {{"public.utf8-plain-text", "yoq"}}, 100, false,
         {{"public.utf8-plain-text", "0:public.utf8-plain-text"}}, 1, {"public.utf8-plain-text", "yoq"}},
        {"an item without types is neither offered nor kept",
         {{}, {"public.png"}},
         100,
         false,
         {{"public.png", "1:public.png"}},
         0,
         {"public.png"}},
        {"nothing", {}, 100, false, {}, 0, {}},
    };
    for (const auto& q : jadval) {
        int qoldi = q.vaqt;
        const auto n = muddatliOlish(
            q.turlar, q.faqatMatn ? harfnur::port::TurTanlovi([](std::string_view t) { return t == "public.utf8-plain-text"; })
                                  : harfnur::port::TurTanlovi(),
            oqi, [&qoldi] { return qoldi-- > 0; });
        EXPECT_EQ(n.turlar, q.kutilgan) << q.nomi;
        EXPECT_EQ(n.oqilmadi, q.oqilmadi) << q.nomi;
        EXPECT_EQ(n.taklif, q.taklif) << q.nomi;
    }
}

}  // namespace
