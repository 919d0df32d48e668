// The guide on Linux: the permission step names what this display lacks,
// its button asks again, and the extra line and tooltip speak of Wayland and
// of a desktop without a tray.
#include <gtest/gtest.h>

#include "onboarding/tanishtiruv.h"
#include "platform/linux/linux_matnlar.h"
#include "qobiq_yordam.h"

namespace {

using namespace harfnur;
using linux_::LinuxMuhiti;

bool ichida(const std::string& s, const std::string& q) { return s.find(q) != std::string::npos; }

TEST(LinuxMatnlari, PermissionStepNamesWhatIsMissing) {
    struct Hol {
        bool xinput, xtest;
        bool xinputAytiladi, xtestAytiladi;
    };
    for (const Hol h : {Hol{false, true, true, false}, Hol{true, false, false, true}, Hol{false, false, true, true}}) {
        SCOPED_TRACE(std::to_string(h.xinput) + std::to_string(h.xtest));
        sinov::Qobiq q;
        q.m.ishonch.ber(false);
        auto holat = RuxsatHolati::yarat({q.m.ishonch, q.avtoyuklash, q.tizimJurnali, q.ilova});
        const Tanishtiruv t(holat, [] {}, true, linux_::linuxMatnlari({h.xinput, h.xtest, false, true}));
        const TanishtiruvKorinishi k = t.korinish();
        EXPECT_EQ(ichida(k.qadam1.matn, "XInput 2.1"), h.xinputAytiladi) << k.qadam1.matn;
        EXPECT_EQ(ichida(k.qadam1.matn, "XTEST"), h.xtestAytiladi) << k.qadam1.matn;
        EXPECT_FALSE(ichida(k.qadam1.matn, "macOS"));
        EXPECT_TRUE(ichida(k.qadam1.matn, "«Qayta tekşiriş» ni bosing"));
        EXPECT_EQ(k.qadam1.sarlavha, "Ruxsat bering");
        ASSERT_TRUE(k.qadam1.tugma);
        EXPECT_EQ(k.qadam1.tugma->sarlavha, "Qayta tekşiriş");
        k.qadam1.tugma->amal();  // asks the display again through the service
        EXPECT_EQ(q.m.ishonch.sorovlar, 1);
        EXPECT_FALSE(k.eslatma);
    }
}

TEST(LinuxMatnlari, WaylandAndNoTray) {
    struct Hol {
        bool wayland, panel;
    };
    for (const Hol h : {Hol{false, true}, Hol{true, true}, Hol{false, false}, Hol{true, false}}) {
        SCOPED_TRACE(std::to_string(h.wayland) + std::to_string(h.panel));
        const PlatformaMatnlari m = linux_::linuxMatnlari({true, true, h.wayland, h.panel});
        EXPECT_EQ(m.eslatma.has_value(), h.wayland || !h.panel);
        const std::string e = m.eslatma.value_or("");
        EXPECT_EQ(ichida(e, "faqat X11 (XWayland) dasturlarida"), h.wayland) << e;
        EXPECT_EQ(ichida(e, "tizim paneli yöq"), !h.panel) << e;
        // The footer always names a way back to the window that works here.
        EXPECT_EQ(m.izoh, h.panel ? "Paneldagi «Ö» belgisi orqali yoki «Harfnur» ni yana işga tuşirib qayta oçiş mumkin."
                                  : "«Harfnur» ni yana işga tuşirib bu oynani qayta oçiş mumkin.");
        EXPECT_EQ(m.belgiIzohi.has_value(), h.wayland);
        if (h.wayland) {
            EXPECT_EQ(*m.belgiIzohi, "Harfnur: Shift’ni ikki marta bosing (faqat X11 dasturlarida)");
        }
    }
}

}  // namespace
