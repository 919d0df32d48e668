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

}  // namespace
