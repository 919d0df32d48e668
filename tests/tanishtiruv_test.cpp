// The onboarding content against its state table.
#include <gtest/gtest.h>

#include "onboarding/tanishtiruv.h"
#include "qobiq_yordam.h"

namespace {

using namespace harfnur;

TEST(Tanishtiruv, StateTable) {
    for (const bool ruxsat : {false, true}) {
        for (const bool xizmat : {false, true}) {
            sinov::Qobiq q;
            q.m.ishonch.ber(ruxsat);
            q.avtoyuklash.bor = xizmat;
            auto holat = RuxsatHolati::yarat({q.m.ishonch, q.avtoyuklash, q.tizimJurnali, q.ilova});
            int yopildi = 0;
            const Tanishtiruv t(holat, [&] { ++yopildi; }, xizmat);
            const TanishtiruvKorinishi k = t.korinish();
            SCOPED_TRACE(std::string(ruxsat ? "ruxsat " : "no ruxsat ") + (xizmat ? "service" : "no service"));

            EXPECT_EQ(k.logo, "Ö");
            EXPECT_EQ(k.sarlavha, "Imloçi");
            EXPECT_EQ(k.tavsif, "Eski yozuvdagi matn Shift’ni ikki marta bosganda harfnurga almaşadi.");
            EXPECT_EQ(k.qadam1.raqam, "1");
            EXPECT_EQ(k.qadam1.tayyor, ruxsat);
            EXPECT_EQ(k.qadam1.nishonMatni(), ruxsat ? "✓" : "1");
            EXPECT_EQ(k.qadam1.nishonRangi(), ruxsat ? yashil : lime);
            EXPECT_EQ(k.qadam1.nishonMatnRangi(), ruxsat ? oq : qora);
            EXPECT_EQ(k.qadam1.sarlavha, ruxsat ? "Ruxsat berildi" : "Ruxsat bering");
            EXPECT_EQ(k.qadam1.matn, ruxsat ? "Hammasi tayyor, Imloçi işlayapti."
                                            : "Boşqa dasturlardagi matnni almaştiriş uçun macOS ruxsat söraydi. "
                                              "Tugmani bosing va ro'yxatda «Harfnur» ni yoqing.");
            EXPECT_EQ(k.qadam1.tugma.has_value(), !ruxsat);
            EXPECT_EQ(k.qadam2.sarlavha, "Yozing");
            EXPECT_EQ(k.qadam2.matn,
                      "Telegram, Notes, Word yoki brauzerda o'g'il deb yozing va Shift’ni tez ikki marta bosing — "
                      "öğil böladi. Kirillça ham ögiriladi.");
            EXPECT_FALSE(k.qadam2.tayyor);
            EXPECT_EQ(k.qadam2.nishonRangi(), lime);
            EXPECT_FALSE(k.qadam2.tugma);
            EXPECT_EQ(k.avtoyuklash.has_value(), xizmat);
            if (xizmat) {
                EXPECT_EQ(k.avtoyuklash->matn, "Kompyuter yoqilganda özi işga tuşsin");
            }
            EXPECT_EQ(k.izoh, "Menyu satridagi «Ö» belgisi orqali qayta oçiş mumkin.");
            EXPECT_EQ(k.pastki.sarlavha, ruxsat ? "Tayyor" : "Keyinroq");
            EXPECT_TRUE(k.pastki.standartmi);

            k.pastki.amal();
            EXPECT_EQ(yopildi, 1);
            EXPECT_FALSE(k.buferQadami);  // a platform without the pasteboard setting
            if (!ruxsat) {
                // The system's prompt alone first, the settings page from then
                // on; nothing changes by itself.
                k.qadam1.tugma->amal();
                EXPECT_EQ(q.m.ishonch.sorovlar, 1);
                EXPECT_TRUE(q.m.ishonch.ochilganlar.empty());
                t.korinish().qadam1.tugma->amal();
                t.korinish().qadam1.tugma->amal();
                EXPECT_EQ(q.m.ishonch.sorovlar, 1);
                EXPECT_EQ(q.m.ishonch.ochilganlar,
                          (std::vector<std::string>{ruxsatSozlamalari, ruxsatSozlamalari}));
                EXPECT_EQ(t.korinish().qadam1.sarlavha, "Ruxsat bering");
            }
        }
    }
    EXPECT_EQ(lime, (Rang{0.878, 1.0, 0.2, 1.0}));
}

// Where the settings page cannot be opened (Linux: the button asks the
// display again), every later press asks again instead.
TEST(Tanishtiruv, NoSettingsPageAsksAgain) {
    sinov::Qobiq q;
    q.m.ishonch.ber(false);
    q.m.ishonch.ochilmaydi = true;
    auto holat = RuxsatHolati::yarat({q.m.ishonch, q.avtoyuklash, q.tizimJurnali, q.ilova});
    const Tanishtiruv t(holat, [] {}, false);
    for (int i = 0; i < 3; ++i) t.korinish().qadam1.tugma->amal();
    EXPECT_EQ(q.m.ishonch.sorovlar, 3);
}

// The pasteboard step, one setting per row: shown while macOS asks or
// refuses, numbered 2 with the last step moved to 3; gone once always allowed.
TEST(Tanishtiruv, PasteboardStep) {
    using port::BuferRuxsati;
    const std::string yol =
        "«System Settings» → «Privacy & Security» → «Paste from Other Apps» bölimida «Harfnur» ga har doim ruxsat "
        "bering.";
    const struct {
        BuferRuxsati r;
        std::optional<std::string> matn;
    } jadval[] = {
        {BuferRuxsati::yoq, std::nullopt},
        {BuferRuxsati::doimo, std::nullopt},
        {BuferRuxsati::standart,
         "macOS 15.4 dan boşlab boşqa dasturdan nusxalangan matnni öqişdan oldin söraydi. Birinçi ögirişda ruxsat "
         "bering, keyin har safar söramasligi uçun " + yol},
        {BuferRuxsati::sorasin, "macOS har bir ögirişda buferni öqişga ruxsat sörayapti. " + yol},
        {BuferRuxsati::hechqachon,
         "macOS «Harfnur» ga buferni öqişni taqiqlagan, şuning uçun matn ögirilmaydi. " + yol},
    };
    for (const auto& qator : jadval) {
        SCOPED_TRACE(std::string(port::nomi(qator.r)));
        sinov::Qobiq q;
        BuferRuxsati joriy = qator.r;
        auto holat =
            RuxsatHolati::yarat({q.m.ishonch, q.avtoyuklash, q.tizimJurnali, q.ilova, [&joriy] { return joriy; }});
        const Tanishtiruv t(holat, [] {}, false);
        const TanishtiruvKorinishi k = t.korinish();
        EXPECT_EQ(k.qadam1.raqam, "1");
        ASSERT_EQ(k.buferQadami.has_value(), qator.matn.has_value());
        EXPECT_EQ(k.qadam2.raqam, qator.matn ? "3" : "2");
        EXPECT_EQ(k.qadam2.sarlavha, "Yozing");
        if (!qator.matn) continue;
        EXPECT_EQ(k.buferQadami->raqam, "2");
        EXPECT_EQ(k.buferQadami->sarlavha, "Buferni öqişga ruxsat bering");
        EXPECT_EQ(k.buferQadami->matn, *qator.matn);
        EXPECT_FALSE(k.buferQadami->tayyor);
        ASSERT_TRUE(k.buferQadami->tugma);
        EXPECT_EQ(k.buferQadami->tugma->sarlavha, "Sozlamalarni oçiş");
        k.buferQadami->tugma->amal();
        EXPECT_EQ(q.m.ishonch.ochilganlar, std::vector<std::string>{buferSozlamalari});
        EXPECT_EQ(q.m.ishonch.sorovlar, 0);

        // Allowed in System Settings: the window hears of it within a second,
        // and the step goes.
        int xabar = 0;
        holat->kuzat([&] { ++xabar; });
        joriy = BuferRuxsati::doimo;
        q.ilova.aylan(std::chrono::seconds(1));
        EXPECT_EQ(xabar, 1);
        EXPECT_FALSE(t.korinish().buferQadami);
        EXPECT_EQ(t.korinish().qadam2.raqam, "2");
    }
}

TEST(Tanishtiruv, ObserversHearOnlyRealChanges) {
    sinov::Qobiq q;
    q.m.ishonch.ber(false);
    auto holat = RuxsatHolati::yarat({q.m.ishonch, q.avtoyuklash, q.tizimJurnali, q.ilova});
    int xabar = 0, berildi = 0;
    holat->kuzat([&] { ++xabar; });
    q.ilova.aylan(std::chrono::seconds(5));  // unchanged: silent
    EXPECT_EQ(xabar, 0);
    q.m.ishonch.ber(true);  // granted with no callback installed: nothing to call
    q.ilova.aylan(std::chrono::seconds(1));
    EXPECT_EQ(xabar, 1);
    holat->ruxsatBerildi = [&] { ++berildi; };
    q.ilova.aylan(std::chrono::seconds(3));
    EXPECT_EQ(berildi, 0);  // not called late for that grant
}

// A platform's own texts replace the macOS ones in the permission step and the
// footer, and its extra line shows; the rest of the content stays the same.
TEST(Tanishtiruv, PlatformTexts) {
    sinov::Qobiq q;
    q.m.ishonch.ber(false);
    auto holat = RuxsatHolati::yarat({q.m.ishonch, q.avtoyuklash, q.tizimJurnali, q.ilova});
    PlatformaMatnlari m;
    m.ruxsatMatni = "XTEST yoq.";
    m.ruxsatTugmasi = "Qayta tekşiriş";
    m.izoh = "Panel";
    m.eslatma = "Faqat X11";
    const Tanishtiruv t(holat, [] {}, false, m);
    TanishtiruvKorinishi k = t.korinish();
    EXPECT_EQ(k.qadam1.sarlavha, "Ruxsat bering");
    EXPECT_EQ(k.qadam1.matn, "XTEST yoq.");
    ASSERT_TRUE(k.qadam1.tugma);
    EXPECT_EQ(k.qadam1.tugma->sarlavha, "Qayta tekşiriş");
    EXPECT_EQ(k.izoh, "Panel");
    EXPECT_EQ(k.eslatma, "Faqat X11");

    q.m.ishonch.ber(true);
    q.ilova.aylan(std::chrono::seconds(1));
    k = t.korinish();
    EXPECT_EQ(k.qadam1.matn, "Hammasi tayyor, Imloçi işlayapti.");
    EXPECT_EQ(k.eslatma, "Faqat X11");

    const Tanishtiruv mac(holat, [] {}, false);
    EXPECT_FALSE(mac.korinish().eslatma);
}

}  // namespace
