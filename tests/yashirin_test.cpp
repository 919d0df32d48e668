// Concealed pasteboard items: restored, never converted, never in the log.
#include <gtest/gtest.h>

#include <algorithm>

#include "pipeline/imlochi.h"
#include "platform/yashirin.h"
#include "sim_yordam.h"

namespace {

using namespace harfnur;

TEST(Yashirin, Belgisi) {
    const std::string t(yashirinTur);
    const struct {
        const char* nom;
        port::BuferNusxasi n;
        bool yashirin;
    } jadval[] = {
        {"bo'sh", {}, false},
        {"matn", {{{"public.utf8-plain-text", "x"}}}, false},
        {"o'qilgan belgi", {{{"public.utf8-plain-text", "x"}, {t, ""}}}, true},
        {"faqat taklif qilingan", {{{"public.utf8-plain-text", "x"}}, 0, {"public.utf8-plain-text", t}}, true},
        {"ikkinchi bandda", {{}, 0, {"public.png", "", t}}, true},
        {"boshqa belgi", {{{"org.nspasteboard.TransientType", ""}}}, false},
        {"katta-kichik harf boshqa", {{{"org.nspasteboard.concealedtype", ""}}}, false},
    };
    for (const auto& q : jadval) EXPECT_EQ(yashirinmi(q.n), q.yashirin) << q.nom;
}

struct Oqish : sinov::Muhit {
    YashirinQoriqchisi bufer{m.bufer};
    const Platforma p{m.soat, bufer, m.ilova, m.kuzatuv, m.ishonch, m.sozlamalar, m.jurnalJoyi, m.navbat};
    void ogir() {
        m.navbat.qosh([this] { Imlochi::maydonniOgir(p); });
        m.navbat.kut();
    }
    bool jurnaldami(const std::string& s) {
        const auto x = sinov::xabarlar(jurnal);
        return std::any_of(x.begin(), x.end(), [&](const std::string& q) { return q.find(s) != std::string::npos; });
    }
};

// A concealed copy is not converted, its length not logged, and what the
// pasteboard held before comes back.
TEST(Yashirin, NusxaOgirilmaydi) {
    Oqish o;
    o.m.bufer.boshqasiYozdi({{{sim::matnTuri, "avvalgi"}}});
    o.m.ilova.maydon("shahar", 0, 6);
    o.m.ilova.nusxaQoshimchasi({{std::string(yashirinTur), ""}});
    o.ogir();
    EXPECT_EQ(o.m.ilova.matn(), "shahar");
    EXPECT_EQ(o.m.bufer.matn(), "avvalgi");
    EXPECT_FALSE(o.jurnaldami("nusxalandi"));
    EXPECT_FALSE(o.jurnaldami("belgi"));
}

// A concealed item held before the conversion comes back whole, the mark
// too, and nothing of it is logged.
TEST(Yashirin, OldingisiQaytadi) {
    Oqish o;
    const port::BuferNusxasi parol{{{sim::matnTuri, "maxfiy-parol"}, {std::string(yashirinTur), ""}}};
    o.m.bufer.boshqasiYozdi(parol);
    EXPECT_EQ(o.bufer.matn(), std::nullopt);  // nothing to read as text
    EXPECT_EQ(o.m.bufer.matn(), "maxfiy-parol");
    o.m.ilova.maydon("shahar", 0, 6);
    o.ogir();
    EXPECT_EQ(o.m.ilova.matn(), "şahar");
    EXPECT_EQ(o.m.bufer.mazmun().turlar, parol.turlar);
    EXPECT_FALSE(o.jurnaldami("maxfiy"));
}

}  // namespace
