// One conversion at a time on the simulated desktop, its timing read off the
// virtual clock to the microsecond.
#include <gtest/gtest.h>

#include <algorithm>

#include "pipeline/imlochi.h"
#include "pipeline/shift_kuzatuvchi.h"
#include "sim_yordam.h"

namespace {

using namespace harfnur;
using port::Mikro;
using ms = std::chrono::milliseconds;

struct Ogirish : sinov::Muhit {
    std::shared_ptr<ShiftKuzatuvchi> k = ShiftKuzatuvchi::yarat(m.platforma);
    Mikro t0 = m.soat.hozir();
    Ogirish() {
        k->boshla();
        m.bufer.boshqasiYozdi({{{sim::matnTuri, "avvalgi"}}});
    }
    // A double tap in another application, then wait for the conversion.
    void ikkiMarta() {
        m.ikkiMartaShift(1.0);
        m.navbat.kut();
    }
    // One conversion on the queue without a tap (the watcher needs the permission).
    void togridanOgir() {
        m.navbat.qosh([this] { Imlochi::maydonniOgir(m.platforma); });
        m.navbat.kut();
    }
    // Times of the timeline entries named `nima`, from the start.
    std::vector<Mikro> qachon(const std::string& nima) {
        std::vector<Mikro> r;
        for (const auto& v : m.soat.voqealar())
            if (v.nima == nima) r.push_back(v.vaqt - t0);
        return r;
    }
    std::vector<std::string> jurnalXabarlari() {
        auto x = sinov::xabarlar(jurnal);
        x.erase(x.begin());  // "Shift kuzatuvi boshlandi"
        std::erase_if(x, [](const std::string& s) { return s.rfind("flagsChanged", 0) == 0; });
        return x;
    }
};

const std::string copyKey = "tugma: 8 1048576", pasteKey = "tugma: 9 1048576", allKey = "tugma: 0 1048576";

TEST(Imlochi, SelectionIsConvertedInPlace) {
    Ogirish o;
    o.m.ilova.maydon("Salom, o'g'il bola", 7, 13);  // "o'g'il"
    o.ikkiMarta();
    EXPECT_EQ(o.m.ilova.matn(), "Salom, öğil bola");
    EXPECT_EQ(o.qachon(copyKey), std::vector<Mikro>{ms(0)});
    EXPECT_TRUE(o.qachon(allKey).empty());
    EXPECT_EQ(o.qachon(pasteKey), std::vector<Mikro>{ms(50)});
    EXPECT_EQ(o.qachon("bufer: qaytarildi"), std::vector<Mikro>{ms(600)});  // 50 + 50 + 500
    EXPECT_EQ(o.m.bufer.matn(), "avvalgi");
    EXPECT_EQ(o.jurnalXabarlari(), (std::vector<std::string>{"ikki marta Shift: ogirish boshlandi, ruxsat=true",
                                                             "nusxalandi: 6 belgi, o'zgaradi=true"}));
}

TEST(Imlochi, NothingSelectedSelectsAllAfterTheCopyWait) {
    Ogirish o;
    o.m.ilova.maydon("shahar choy", 0, 0);
    o.ikkiMarta();
    EXPECT_EQ(o.m.ilova.matn(), "şahar çoy");
    EXPECT_EQ(o.qachon(copyKey), (std::vector<Mikro>{ms(0), ms(500)}));
    EXPECT_EQ(o.qachon(allKey), std::vector<Mikro>{ms(450)});  // 50 settle + 400 of polling
    EXPECT_EQ(o.qachon(pasteKey), std::vector<Mikro>{ms(550)});
    EXPECT_EQ(o.qachon("bufer: qaytarildi"), std::vector<Mikro>{ms(1100)});
    EXPECT_EQ(o.m.bufer.matn(), "avvalgi");
}

TEST(Imlochi, EmptyFieldLeavesThePasteboardAlone) {
    Ogirish o;
    o.m.ilova.maydon("", 0, 0);
    const auto son = o.m.bufer.ozgarishSoni();
    o.ikkiMarta();
    EXPECT_EQ(o.jurnalXabarlari().back(), "nusxalab bo'lmadi");
    EXPECT_EQ(o.qachon("jurnal").back(), ms(950));
    EXPECT_TRUE(o.qachon(pasteKey).empty());
    EXPECT_EQ(o.m.bufer.ozgarishSoni(), son);  // not even rewritten with the same text
    EXPECT_EQ(o.m.bufer.matn(), "avvalgi");
}

TEST(Imlochi, CopyFailureModes) {
    {  // the pasteboard changes to something that is not text: the earlier text returns
        Ogirish o;
        o.m.ilova.maydon("shahar", 0, 6);
        o.m.ilova.nusxaRejimi(sim::NusxaRejimi::matnEmas);
        o.ikkiMarta();
        EXPECT_EQ(o.jurnalXabarlari().back(), "nusxalab bo'lmadi");
        EXPECT_EQ(o.m.bufer.matn(), "avvalgi");
        EXPECT_EQ(o.m.ilova.matn(), "shahar");
    }
    {  // an application that copies nothing at all
        Ogirish o;
        o.m.ilova.maydon("shahar", 0, 6);
        o.m.ilova.nusxaRejimi(sim::NusxaRejimi::hechnarsa);
        o.ikkiMarta();
        EXPECT_EQ(o.jurnalXabarlari().back(), "nusxalab bo'lmadi");
        EXPECT_EQ(o.m.ilova.matn(), "shahar");
    }
    {  // a copy that lands only after the limit counts as none: select-all follows,
       // and the late copies, ours too, do not keep the earlier content away
        Ogirish o;
        o.m.ilova.maydon("shahar", 0, 6);
        o.m.ilova.nusxaRejimi(sim::NusxaRejimi::oddiy, ms(520));
        o.ikkiMarta();
        EXPECT_EQ(o.qachon(allKey), std::vector<Mikro>{ms(450)});
        EXPECT_EQ(o.m.ilova.matn(), "şahar");
        EXPECT_EQ(o.qachon("bufer: qaytarildi"), std::vector<Mikro>{ms(1100)});
        EXPECT_EQ(o.m.bufer.matn(), "avvalgi");
    }
    for (const std::size_t oxir : {6u, 15u}) {
        // It lands after the select-all, though: the old selection would be
        // pasted over the whole field, which loses the rest of it. Nothing
        // is pasted and the earlier content comes back.
        Ogirish o;
        o.m.ilova.maydon("shahar choy non", 0, oxir == 6 ? 6 : 15);
        o.m.ilova.nusxaRejimi(sim::NusxaRejimi::oddiy, ms(480));
        o.ikkiMarta();
        EXPECT_EQ(o.qachon(allKey), std::vector<Mikro>{ms(450)});
        EXPECT_TRUE(o.qachon(pasteKey).empty());
        EXPECT_EQ(o.jurnalXabarlari().back(), "nusxalab bo'lmadi");
        EXPECT_EQ(o.m.ilova.matn(), "shahar choy non");
        o.m.soat.olgaSur(ms(2000));
        EXPECT_EQ(o.m.bufer.matn(), "avvalgi");
    }
}

TEST(Imlochi, TextThatNeedsNoChangeIsNotPasted) {
    Ogirish o;
    o.m.ilova.maydon("Özbekiston", 0, 11);
    o.ikkiMarta();
    EXPECT_EQ(o.jurnalXabarlari().back(), "nusxalandi: 10 belgi, o'zgaradi=false");
    EXPECT_TRUE(o.qachon(pasteKey).empty());
    EXPECT_EQ(o.qachon("bufer: qaytarildi"), std::vector<Mikro>{ms(50)});  // at once
    EXPECT_EQ(o.m.bufer.matn(), "avvalgi");
    // Composed and decomposed forms are the same text: still nothing to paste.
    Ogirish d;
    d.m.ilova.maydon("O\u0308zbek", 0, 8);
    d.ikkiMarta();
    EXPECT_EQ(d.jurnalXabarlari().back(), "nusxalandi: 5 belgi, o'zgaradi=false");
}

TEST(Imlochi, EarlierPasteboardContent) {
    {  // nothing before: the converted text stays
        Ogirish o;
        o.m.bufer.boshqasiYozdi({});
        o.m.ilova.maydon("choy", 0, 4);
        o.ikkiMarta();
        EXPECT_EQ(o.m.bufer.matn(), "çoy");
        EXPECT_TRUE(o.qachon("bufer: qaytarildi").empty());
    }
    {  // every representation comes back, byte for byte
        Ogirish o;
        const port::BuferNusxasi avval{{{"image/png", std::string("\x89PNG\r\n\x1a\n\0\0", 10)},
                                        {"text/html", "<b>qalin</b>"}}};
        o.m.bufer.boshqasiYozdi(avval);
        o.m.ilova.maydon("choy", 0, 4);
        o.ikkiMarta();
        EXPECT_EQ(o.m.ilova.matn(), "çoy");
        EXPECT_EQ(o.m.bufer.mazmun().turlar, avval.turlar);
    }
    {  // something the user copies during the paste pause is kept
        Ogirish o;
        o.m.ilova.maydon("choy", 0, 4);
        o.m.soat.rejalashtir(o.t0 + ms(300), [&] { o.m.bufer.boshqasiYozdi({{{sim::matnTuri, "yangi"}}}); });
        o.ikkiMarta();
        EXPECT_EQ(o.m.ilova.matn(), "çoy");
        EXPECT_EQ(o.m.bufer.matn(), "yangi");
        EXPECT_TRUE(o.qachon("bufer: qaytarildi").empty());
    }
}

TEST(Imlochi, FormatsTheOwnerDidNotGiveAreCountedAndTheRestComesBack) {
    struct Hol {
        port::BuferNusxasi avval;
        std::vector<std::string> jurnal;
        std::vector<std::pair<std::string, std::string>> keyin;
    };
    const std::vector<std::pair<std::string, std::string>> oqildi{{"text/html", "<i>maxfiy</i>"}};
    const Hol hollar[] = {
        {{oqildi, 2}, {"bufer: 2 tur o'qilmadi"}, oqildi},
        {{{}, 1}, {"bufer: 1 tur o'qilmadi"}, {{sim::matnTuri, "çoy"}}},  // nothing to put back
        {{oqildi, 0}, {}, oqildi},
    };
    for (const Hol& h : hollar) {
        Ogirish o;
        o.m.bufer.boshqasiYozdi(h.avval);
        o.m.ilova.maydon("choy", 0, 4);
        o.ikkiMarta();
        EXPECT_EQ(o.m.ilova.matn(), "çoy");  // the conversion goes on
        std::vector<std::string> kutilgan{"ikki marta Shift: ogirish boshlandi, ruxsat=true"};
        kutilgan.insert(kutilgan.end(), h.jurnal.begin(), h.jurnal.end());
        kutilgan.push_back("nusxalandi: 4 belgi, o'zgaradi=true");
        EXPECT_EQ(o.jurnalXabarlari(), kutilgan);
        EXPECT_EQ(o.m.bufer.mazmun().turlar, h.keyin);
    }
}

TEST(Imlochi, WaitsForShiftToBeReleased) {
    Ogirish o;
    o.m.ilova.maydon("sh", 0, 2);
    o.m.ilova.ushlanganBayroqlar(hodisa::shiftBayrogi);
    o.m.soat.rejalashtir(o.t0 + ms(200), [&] { o.m.ilova.ushlanganBayroqlar(0); });
    o.togridanOgir();
    EXPECT_EQ(o.qachon(copyKey), std::vector<Mikro>{ms(200)});
    // Held for good: the conversion goes on after 1.5 s regardless.
    Ogirish h;
    h.m.ilova.maydon("sh", 0, 2);
    h.m.ilova.ushlanganBayroqlar(hodisa::shiftBayrogi);
    h.togridanOgir();
    EXPECT_EQ(h.qachon(copyKey), std::vector<Mikro>{ms(1500)});
}

TEST(Imlochi, WithoutPermissionNothingHappens) {
    Ogirish o;
    o.m.ishonch.ber(false);
    o.m.ilova.maydon("shahar", 0, 6);
    const auto son = o.m.bufer.ozgarishSoni();
    o.togridanOgir();
    EXPECT_EQ(o.jurnalXabarlari(), std::vector<std::string>{"ikki marta Shift: ogirish boshlandi, ruxsat=false"});
    EXPECT_TRUE(o.qachon(copyKey).empty());
    EXPECT_EQ(o.m.bufer.ozgarishSoni(), son);
}

TEST(Imlochi, TwoDoubleTapsRunOneAfterTheOther) {
    Ogirish o;
    o.m.ilova.maydon("o'g'il", 0, 8);
    o.m.ikkiMartaShift(1.0);
    o.m.ikkiMartaShift(2.0);
    o.m.navbat.kut();
    const auto boshlar = o.qachon("tugma: 8 1048576");
    const auto qaytdi = o.qachon("bufer: qaytarildi");
    ASSERT_EQ(qaytdi.size(), 2u);
    ASSERT_GE(boshlar.size(), 2u);
    EXPECT_GE(boshlar[1], qaytdi[0]);  // the second copy comes after the first restore
    EXPECT_EQ(o.m.ilova.matn(), "öğil");
    EXPECT_EQ(o.m.bufer.matn(), "avvalgi");
}

TEST(Imlochi, CountsCharactersNotBytes) {
    Ogirish o;
    o.m.ilova.maydon("e\u0301sh", 0, 5);
    o.ikkiMarta();
    EXPECT_EQ(o.jurnalXabarlari().back(), "nusxalandi: 3 belgi, o'zgaradi=true");
    EXPECT_EQ(o.m.ilova.matn(), "e\u0301ş");
}

}  // namespace
