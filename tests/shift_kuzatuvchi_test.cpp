// The watcher: which events start a conversion, what it logs, its monitors.
#include <gtest/gtest.h>

#include <functional>

#include "pipeline/shift_kuzatuvchi.h"
#include "sim_yordam.h"

namespace {

using namespace harfnur;

// Counts the conversions the watcher submits instead of running them.
struct SanovchiNavbat final : port::Navbat {
    int son = 0;
    void qosh(std::function<void()>) override { ++son; }
};

struct Kuzatish : sinov::Muhit {
    SanovchiNavbat navbat;
    Platforma p{m.soat, m.bufer, m.ilova, m.kuzatuv, m.ishonch, m.sozlamalar, m.jurnalJoyi, navbat};
    std::shared_ptr<ShiftKuzatuvchi> k = ShiftKuzatuvchi::yarat(p);
    void flag(std::uint16_t kod, std::uint64_t bayroqlar, double vaqt, bool ozimizga = false) {
        m.kuzatuv.yubor({hodisa::bayroqlarOzgardi, kod, bayroqlar, vaqt}, ozimizga);
    }
    void tugma(std::uint16_t kod, double vaqt) { m.kuzatuv.yubor({hodisa::tugmaBosildi, kod, 0, vaqt}); }
};

constexpr std::uint64_t SH = hodisa::shiftBayrogi;
constexpr std::uint16_t L = hodisa::chapShift, R = hodisa::ongShift, CMD = 55;

TEST(ShiftKuzatuvchi, WhichSequencesConvert) {
    struct Qator {
        const char* nomi;
        std::function<void(Kuzatish&)> qil;
        int kutilgan;
    };
    const std::vector<Qator> qatorlar = {
        {"left, left", [](Kuzatish& k) { k.m.ikkiMartaShift(1.0); }, 1},
        {"left, right",
         [](Kuzatish& k) {
             k.flag(L, SH, 1.0), k.flag(L, 0, 1.05), k.flag(R, SH, 1.2), k.flag(R, 0, 1.25);
         },
         1},
        {"shift+letter, then one tap",
         [](Kuzatish& k) {
             k.flag(L, SH, 1.0), k.tugma(4, 1.1), k.flag(L, 0, 1.2), k.flag(L, SH, 1.3), k.flag(L, 0, 1.35);
         },
         0},
        {"command between the taps",
         [](Kuzatish& k) {
             k.flag(L, SH, 1.0), k.flag(L, 0, 1.05), k.flag(CMD, 0x100000, 1.1), k.flag(CMD, 0, 1.12);
             k.flag(L, SH, 1.2), k.flag(L, 0, 1.25);
         },
         0},
        {"both shifts together, twice",
         [](Kuzatish& k) {
             for (double t : {1.0, 1.3}) {
                 k.flag(L, SH, t), k.flag(R, SH, t + 0.01), k.flag(L, SH, t + 0.08), k.flag(R, 0, t + 0.1);
             }
         },
         1},
        {"our own window has the focus",
         [](Kuzatish& k) { k.m.ikkiMartaShift(1.0, /*ozimizga=*/true); }, 1},
        {"other applications' keys without the permission",
         [](Kuzatish& k) {
             k.m.ishonch.ber(false);
             k.m.ikkiMartaShift(1.0);
         },
         0},
    };
    for (const Qator& q : qatorlar) {
        Kuzatish k;
        k.k->boshla();
        q.qil(k);
        EXPECT_EQ(k.navbat.son, q.kutilgan) << q.nomi;
    }
}

TEST(ShiftKuzatuvchi, LogsEveryModifierChange) {
    Kuzatish k;
    k.k->boshla();
    k.flag(CMD, 0x100000, 1.0);
    k.flag(L, SH, 1.1);
    k.flag(L, 0, 1.2);
    k.tugma(4, 1.3);  // key downs are not logged
    EXPECT_EQ(sinov::xabarlar(k.jurnal),
              (std::vector<std::string>{"Shift kuzatuvi boshlandi", "flagsChanged kod=55 shift=false",
                                        "flagsChanged kod=56 shift=true", "flagsChanged kod=56 shift=false"}));
}

TEST(ShiftKuzatuvchi, StartsOnceAndRetriesWhenNothingInstalled) {
    Kuzatish k;
    EXPECT_FALSE(k.k->ishlayaptimi());
    k.m.ikkiMartaShift(1.0);  // before boshla: nothing
    EXPECT_EQ(k.navbat.son, 0);

    k.m.kuzatuv.ishlamasin = true;
    k.k->boshla();
    EXPECT_FALSE(k.k->ishlayaptimi());
    k.m.kuzatuv.ishlamasin = false;
    k.k->boshla();
    k.k->boshla();
    EXPECT_TRUE(k.k->ishlayaptimi());
    EXPECT_EQ(k.m.kuzatuv.monitorSoni(), 2u);
    EXPECT_EQ(sinov::xabarlar(k.jurnal),
              (std::vector<std::string>{"Shift kuzatuvi boshlandi", "Shift kuzatuvi boshlandi"}));
}

TEST(ShiftKuzatuvchi, MonitorsOutlivingTheWatcherDoNothing) {
    Kuzatish k;
    k.k->boshla();
    k.k.reset();
    k.m.ikkiMartaShift(1.0);
    k.m.ikkiMartaShift(2.0, true);
    EXPECT_EQ(k.navbat.son, 0);
    EXPECT_EQ(sinov::xabarlar(k.jurnal), std::vector<std::string>{"Shift kuzatuvi boshlandi"});
}

}  // namespace
