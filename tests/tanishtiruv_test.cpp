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
            if (!ruxsat) {
                k.qadam1.tugma->amal();  // asks, opens the settings; nothing changes by itself
                EXPECT_EQ(q.m.ishonch.sorovlar, 1);
                EXPECT_EQ(q.m.ishonch.ochilganlar, std::vector<std::string>{ruxsatSozlamalari});
                EXPECT_EQ(t.korinish().qadam1.sarlavha, "Ruxsat bering");
            }
        }
    }
    EXPECT_EQ(lime, (Rang{0.878, 1.0, 0.2, 1.0}));
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
