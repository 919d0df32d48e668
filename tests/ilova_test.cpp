// Launch flows of the application shell on the simulated desktop.
#include <gtest/gtest.h>

#include <sstream>

#include "app/kirish.h"
#include "pipeline/imlochi.h"
#include "qobiq_yordam.h"

namespace {

using namespace harfnur;
using sinov::Qobiq;
using std::chrono::milliseconds;
using Xabarlar = std::vector<std::string>;

TEST(Ilova, FirstLaunch) {
    for (const bool ruxsat : {true, false}) {
        Qobiq q;
        q.m.ishonch.ber(ruxsat);
        q.ishgaTushir();
        EXPECT_TRUE(q.m.sozlamalar.mantiqiy("tanishtirildi"));
        EXPECT_EQ(q.avtoyuklash.holat(), port::AvtoyuklashHolati::yoqilgan);
        EXPECT_TRUE(q.delegat->holati().avtoyuklash());
        EXPECT_EQ(q.delegat->kuzatuvchisi().ishlayaptimi(), ruxsat);
        ASSERT_NE(q.oyna(), nullptr);  // opens whatever the permission
        EXPECT_TRUE(q.oyna()->korinadi);
        EXPECT_EQ(q.oyna()->sarlavha, "Harfnur");
        EXPECT_EQ(q.oyna()->uslub, 3u);
        Xabarlar kutilgan{std::string("ishga tushdi: /Applications/Harfnur.app, ruxsat=") + (ruxsat ? "true" : "false")};
        if (ruxsat) kutilgan.push_back("Shift kuzatuvi boshlandi");
        EXPECT_EQ(q.jurnalXabarlari(), kutilgan);
        EXPECT_TRUE(q.ilova.aksessuar);
    }
}

// Where the platform tells the pasteboard setting, the start's log line says
// it, and the guide carries its step.
TEST(Ilova, PasteboardSettingAtLaunch) {
    Qobiq q;
    q.p.buferRuxsati = [] { return port::BuferRuxsati::sorasin; };
    q.ishgaTushir();
    EXPECT_EQ(q.jurnalXabarlari().front(), "ishga tushdi: /Applications/Harfnur.app, ruxsat=true, bufer=sorasin");
    ASSERT_NE(q.oyna(), nullptr);
    EXPECT_TRUE(q.oyna()->chizilgan.buferQadami);
}

TEST(Ilova, LaterLaunchWithPermissionOpensNoWindow) {
    Qobiq q;
    q.m.sozlamalar.yoz("tanishtirildi", true);
    q.ishgaTushir();
    EXPECT_EQ(q.oyna(), nullptr);
    EXPECT_TRUE(q.delegat->kuzatuvchisi().ishlayaptimi());
    EXPECT_EQ(q.avtoyuklash.chaqirildi, 0);
    EXPECT_EQ(q.jurnalXabarlari(),
              (Xabarlar{"ishga tushdi: /Applications/Harfnur.app, ruxsat=true", "Shift kuzatuvi boshlandi"}));

    // Started again while it runs: the guide opens, in front, and a closed
    // one comes back the same.
    ASSERT_TRUE(q.ilova.qaytaOchildi);
    q.ilova.qaytaOchildi();
    ASSERT_NE(q.oyna(), nullptr);
    EXPECT_TRUE(q.oyna()->korinadi);
    EXPECT_EQ(q.ilova.faollashdi, 1);
    q.oyna()->yop();
    q.ilova.qaytaOchildi();
    EXPECT_TRUE(q.oyna()->korinadi);
    EXPECT_EQ(q.oynalar.oynalar.size(), 1u);
}

TEST(Ilova, LaterLaunchWithoutPermissionThenGranted) {
    Qobiq q;
    q.m.sozlamalar.yoz("tanishtirildi", true);
    q.m.ishonch.ber(false);
    q.ishgaTushir();
    ASSERT_NE(q.oyna(), nullptr);
    EXPECT_EQ(q.avtoyuklash.chaqirildi, 0);  // the login item is not touched
    EXPECT_FALSE(q.delegat->kuzatuvchisi().ishlayaptimi());
    EXPECT_EQ(q.oyna()->chizilgan.qadam1.sarlavha, "Ruxsat bering");

    q.ilova.aylan(milliseconds(2500));
    q.m.ishonch.ber(true);  // granted 2.5 s after launch
    q.ilova.aylan(milliseconds(999));
    EXPECT_TRUE(q.delegat->kuzatuvchisi().ishlayaptimi());  // at the next tick, within a second
    EXPECT_EQ(q.oyna()->chizilgan.qadam1.sarlavha, "Ruxsat berildi");  // the window followed
    EXPECT_EQ(q.jurnalXabarlari(), (Xabarlar{"ishga tushdi: /Applications/Harfnur.app, ruxsat=false",
                                              "ruxsat berildi", "Shift kuzatuvi boshlandi"}));

    // Withdrawn and granted again: the callback runs again, the watcher stays one.
    q.m.ishonch.ber(false);
    q.ilova.aylan(milliseconds(1000));
    EXPECT_EQ(q.oyna()->chizilgan.qadam1.sarlavha, "Ruxsat bering");
    q.m.ishonch.ber(true);
    q.ilova.aylan(milliseconds(1000));
    const Xabarlar x = q.jurnalXabarlari();
    EXPECT_EQ(x.back(), "ruxsat berildi");
    EXPECT_EQ(std::count(x.begin(), x.end(), "Shift kuzatuvi boshlandi"), 1);
    EXPECT_EQ(q.m.kuzatuv.monitorSoni(), 2u);
}

TEST(Ilova, RefusedLocations) {
    const std::vector<std::pair<std::string, bool>> yollar = {
        {"/Volumes/Harfnur/Harfnur.app", true},
        {"/private/var/folders/x/T/AppTranslocation/5A2B/d/Harfnur.app", true},
        {"/Users/aziz/Volumes/Harfnur.app", false},  // contains it, does not begin with it
        {"/Volumes", false},
    };
    for (const auto& [yol, rad] : yollar) {
        Qobiq q;
        q.ilova.yol = yol;
        q.ishgaTushir();
        EXPECT_EQ(q.ilova.tugatildi, rad) << yol;
        if (!rad) continue;
        ASSERT_EQ(q.ogohlantirish.korsatildi.size(), 1u);
        const auto& o = q.ogohlantirish.korsatildi[0];
        EXPECT_EQ(o.xabar, "Avval Applications papkasiga sudrang");
        EXPECT_EQ(o.izoh,
                  "«Harfnur» ni DMG oynasidagi Applications papkasiga sudrab taşlang, keyin uni Applications'dan "
                  "oçing.");
        EXPECT_EQ(o.tugma, "Tuşunarli");
        EXPECT_EQ(q.ilova.faollashdi, 1);
        EXPECT_TRUE(q.panel.oxirgiMenyu.empty());
        EXPECT_FALSE(std::filesystem::exists(q.jurnal));
        EXPECT_FALSE(q.m.sozlamalar.mantiqiy("tanishtirildi"));
        EXPECT_FALSE(q.delegat->kuzatuvchisi().ishlayaptimi());
    }
}

TEST(Ilova, StatusItemAndMenu) {
    Qobiq q;
    q.ishgaTushir();
    EXPECT_EQ(q.panel.oxirgiSarlavha, "Ö");
    EXPECT_EQ(q.panel.oxirgiIzoh, "Harfnur: Shift’ni ikki marta bosing");
    {
        Qobiq w;  // a platform with more to say in the tooltip
        w.p.matnlar.belgiIzohi = "Harfnur: faqat X11";
        w.ishgaTushir();
        EXPECT_EQ(w.panel.oxirgiIzoh, "Harfnur: faqat X11");
    }
    const auto& m = q.panel.oxirgiMenyu;
    ASSERT_EQ(m.size(), 5u);
    EXPECT_EQ(m[0].sarlavha, "Shift’ni 2 marta bosing — matn harfnurga ögiriladi");
    EXPECT_FALSE(m[0].yoqilgan);
    EXPECT_FALSE(m[0].amal);
    EXPECT_TRUE(m[1].ajratgichmi && m[3].ajratgichmi);
    EXPECT_EQ(m[2].sarlavha, "Sozlamalar va yöriqnoma…");
    EXPECT_EQ(m[2].tugma, ",");
    EXPECT_EQ(m[4].sarlavha, "Çiqiş");
    EXPECT_EQ(m[4].tugma, "q");

    // The settings entry shows the one window, centred, every time.
    q.oyna()->yop();
    m[2].amal();
    m[2].amal();
    EXPECT_EQ(q.oynalar.oynalar.size(), 1u);
    EXPECT_TRUE(q.oyna()->korinadi);
    EXPECT_EQ(q.oyna()->markazlandi, 3);
    m[4].amal();
    EXPECT_TRUE(q.ilova.tugatildi);

    Qobiq t;  // an item without a button: no title, but the menu is there
    t.panel.tugmasiz = true;
    t.ishgaTushir();
    EXPECT_FALSE(t.panel.oxirgiSarlavha);
    EXPECT_EQ(t.panel.oxirgiMenyu.size(), 5u);
}

TEST(Ilova, LoginItemRefusedOrAwaitingApproval) {
    Qobiq q;
    q.avtoyuklash.rad = "Operation not permitted";
    q.ishgaTushir();
    EXPECT_EQ(q.tizimJurnali.satrlar, std::vector<std::string>{"Avtoyuklash: Operation not permitted"});
    EXPECT_FALSE(q.delegat->holati().avtoyuklash());
    ASSERT_NE(q.oyna(), nullptr);  // the launch goes on
    ASSERT_TRUE(q.oyna()->chizilgan.avtoyuklash);
    EXPECT_FALSE(q.oyna()->chizilgan.avtoyuklash->qiymat);
    // The user flips the switch and the change is refused again: the window
    // is drawn anew from the state read back, so the switch flips back.
    const int chizildi = q.oyna()->chizildi;
    auto ozgartir = q.oyna()->chizilgan.avtoyuklash->ozgartir;  // a copy: the redraw replaces it
    ozgartir(true);
    EXPECT_EQ(q.oyna()->chizildi, chizildi + 1);
    EXPECT_FALSE(q.oyna()->chizilgan.avtoyuklash->qiymat);

    Qobiq t;
    t.avtoyuklash.royxatdanKeyin = port::AvtoyuklashHolati::tasdiqKerak;
    t.ishgaTushir();
    EXPECT_FALSE(t.delegat->holati().avtoyuklash());  // only "enabled" counts
    EXPECT_TRUE(t.tizimJurnali.satrlar.empty());
    ozgartir = t.oyna()->chizilgan.avtoyuklash->ozgartir;
    ozgartir(true);  // approval still awaited: drawn again, still off
    EXPECT_FALSE(t.oyna()->chizilgan.avtoyuklash->qiymat);
    EXPECT_EQ(t.avtoyuklash.holat(), port::AvtoyuklashHolati::tasdiqKerak);
    ozgartir(false);  // the switch routes through the state
    EXPECT_EQ(t.avtoyuklash.holat(), port::AvtoyuklashHolati::royxatdaEmas);

    Qobiq e;  // no login-item service: nothing is called, no switch is shown
    e.avtoyuklash.bor = false;
    e.ishgaTushir();
    EXPECT_EQ(e.avtoyuklash.chaqirildi, 0);
    EXPECT_FALSE(e.oyna()->chizilgan.avtoyuklash);
}

TEST(Ilova, CallbacksOutlivingTheDelegateDoNothing) {
    Qobiq q;
    q.m.ishonch.ber(false);
    q.ishgaTushir();
    const auto menyu = q.panel.oxirgiMenyu;
    const auto korinish = q.oyna()->korinish;  // the view outlives the window here
    q.delegat.reset();
    q.m.ishonch.ber(true);
    q.ilova.aylan(milliseconds(3000));  // the poll finds no state to update
    menyu[2].amal();                    // settings: no delegate, nothing opens
    korinish->yopish();                 // close: no delegate, nothing happens
    EXPECT_EQ(q.oynalar.oynalar.size(), 1u);
    // The state lives on in the view: its grant is logged, but no watcher starts.
    EXPECT_EQ(q.jurnalXabarlari(),
              (Xabarlar{"ishga tushdi: /Applications/Harfnur.app, ruxsat=false", "ruxsat berildi"}));
    EXPECT_EQ(q.m.kuzatuv.monitorSoni(), 0u);
}

TEST(Kirish, SwitchAnywhereInTheArguments) {
    const std::vector<std::pair<std::vector<const char*>, bool>> qatorlar = {
        {{"harfnur"}, false},
        {{"harfnur", "--sinov-ikki-shift"}, true},
        {{"--sinov-ikki-shift"}, true},  // the program path counts too
        {{"harfnur", "x", "--sinov-ikki-shift", "--sinov-ikki-shift"}, true},
        {{"harfnur", "--Sinov-ikki-shift"}, false},
        {{"harfnur", "--sinov-ikki-shift=1"}, false},
        {{"harfnur", "-sinov-ikki-shift"}, false},
    };
    for (const auto& [args, kutilgan] : qatorlar)
        EXPECT_EQ(sinovmi(int(args.size()), args.data()), kutilgan) << args.back();
}

// The self-test against a running Harfnur on the same desktop.
TEST(Kirish, SelfTestConvertsAFieldEndToEnd) {
    Qobiq q;
    q.ishgaTushir();
    q.m.ilova.maydon("Men o'g'il bola", 3, 3);  // the caret, nothing selected

    // The self-test's thread lets the running app finish its work before each
    // of its own pauses, as the real one waits while the app converts.
    struct KutadiganSoat final : port::Soat {
        sim::SimMuhit& m;
        explicit KutadiganSoat(sim::SimMuhit& m) : m(m) {}
        port::Mikro hozir() override { return m.soat.hozir(); }
        void uxla(port::Mikro d) override {
            m.navbat.kut();
            m.soat.uxla(d);
        }
        std::chrono::system_clock::time_point sana() override { return m.soat.sana(); }
    } soat(q.m);
    const Platforma sinov{soat, q.m.bufer, q.m.ilova, q.m.kuzatuv, q.m.ishonch, q.m.sozlamalar, q.m.jurnalJoyi,
                          q.m.navbat};
    std::ostringstream chiqish;
    EXPECT_EQ(sinovIkkiShift(sinov, chiqish), 0);
    EXPECT_EQ(chiqish.str(), "NATIJA: Men öğil bola\n");
    EXPECT_EQ(q.m.ilova.matn(), "Men öğil bola");

    // With nothing running, it prints what the field holds.
    Qobiq b;
    b.m.ilova.maydon("sh", 0, 0);
    KutadiganSoat s2(b.m);
    const Platforma yolgiz{s2, b.m.bufer, b.m.ilova, b.m.kuzatuv, b.m.ishonch, b.m.sozlamalar, b.m.jurnalJoyi,
                           b.m.navbat};
    std::ostringstream c2;
    sinovIkkiShift(yolgiz, c2);
    EXPECT_EQ(c2.str(), "NATIJA: sh\n");
}

}  // namespace
