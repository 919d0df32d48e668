// The Qt guide window itself, drawn on the offscreen platform: what the user
// sees after a click, which key presses its button, and its size.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "onboarding/tanishtiruv.h"
#include "platform/linux/qt_oyna.h"
#include "platform/linux/x11_faollashtirish.h"
#include "qobiq_yordam.h"

namespace {

using namespace harfnur;

// The one window shown, with its widgets as they are now (a redraw replaces them).
QWidget* oynasi() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->windowTitle() == "Harfnur") return w;
    return nullptr;
}

QCheckBox* almashtirgich() { return oynasi() ? oynasi()->findChild<QCheckBox*>() : nullptr; }

QPushButton* tugma(const QString& matn) {
    for (QPushButton* b : oynasi()->findChildren<QPushButton*>())
        if (b->text() == matn) return b;
    return nullptr;
}

struct Oyna {
    sinov::Qobiq q;
    std::shared_ptr<RuxsatHolati> holat;
    int yopildi = 0;
    std::unique_ptr<port::Oyna> oyna;

    explicit Oyna(bool ruxsat, PlatformaMatnlari matnlar = {}) {
        q.m.ishonch.ber(ruxsat);
        holat = RuxsatHolati::yarat({q.m.ishonch, q.avtoyuklash, q.tizimJurnali, q.ilova});
        auto k = std::make_shared<Tanishtiruv>(holat, [this] { ++yopildi; }, true, std::move(matnlar));
        oyna = linux_::QtOynaXizmati().yarat(k);
        oyna->sarlavhaQoy("Harfnur");
        oyna->uslubQoy(port::sarlavhaliUslub | port::yopiladiganUslub);
        oyna->markazla();
        oyna->oldingaChiqar();
        QCoreApplication::processEvents();
    }
};

TEST(QtOyna, LoginSwitchShowsTheStateReadBack) {
    struct Hol {
        const char* nomi;
        std::optional<std::string> rad;
        port::AvtoyuklashHolati keyin;
        bool yoqiq;  // what the switch shows after the click
    };
    const Hol hollar[] = {
        {"refused", "Operation not permitted", port::AvtoyuklashHolati::yoqilgan, false},
        {"awaiting approval", std::nullopt, port::AvtoyuklashHolati::tasdiqKerak, false},
        {"accepted", std::nullopt, port::AvtoyuklashHolati::yoqilgan, true},
    };
    for (const Hol& h : hollar) {
        SCOPED_TRACE(h.nomi);
        Oyna o(true);
        o.q.avtoyuklash.rad = h.rad;
        o.q.avtoyuklash.royxatdanKeyin = h.keyin;
        ASSERT_NE(almashtirgich(), nullptr);
        ASSERT_FALSE(almashtirgich()->isChecked());
        QTest::mouseClick(almashtirgich(), Qt::LeftButton);
        EXPECT_EQ(almashtirgich()->isChecked(), h.yoqiq);  // at once
        QCoreApplication::processEvents();                 // and after the redraw
        EXPECT_EQ(almashtirgich()->isChecked(), h.yoqiq);
        EXPECT_EQ(o.q.avtoyuklash.chaqirildi, 1);
    }
}

TEST(QtOyna, ReturnPressesTheFooterButtonWhereverTheFocusIs) {
    Oyna o(false);
    almashtirgich()->setFocus();
    QTest::keyClick(almashtirgich(), Qt::Key_Return);
    EXPECT_EQ(o.yopildi, 1);

    QPushButton* sora = tugma("Ruxsat beriş");
    ASSERT_NE(sora, nullptr);
    sora->setFocus();
    QTest::keyClick(sora, Qt::Key_Enter);
    EXPECT_EQ(o.yopildi, 2);
    EXPECT_EQ(o.q.m.ishonch.sorovlar, 0);  // the focused button was not pressed
}

TEST(QtOyna, FixedSizeThatFollowsTheContent) {
    Oyna o(false);
    QWidget* w = oynasi();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->width(), int(Tanishtiruv::kenglik));
    EXPECT_EQ(w->minimumSize(), w->maximumSize());
    EXPECT_EQ(w->size(), w->minimumSize());
    const int oldin = w->height();

    o.q.m.ishonch.ber(true);  // the permission step loses its button
    o.q.ilova.aylan(std::chrono::seconds(1));
    QCoreApplication::processEvents();
    EXPECT_LT(w->height(), oldin);
    EXPECT_EQ(w->minimumSize(), w->maximumSize());
    EXPECT_EQ(w->width(), int(Tanishtiruv::kenglik));
}

TEST(QtOyna, ExtraLineIsShown) {
    PlatformaMatnlari m;
    m.eslatma = "Faqat X11 dasturlari.";
    Oyna o(true, m);
    bool bor = false;
    for (QLabel* l : oynasi()->findChildren<QLabel*>()) bor = bor || l->text() == "Faqat X11 dasturlari.";
    EXPECT_TRUE(bor);
}

// The launcher's time in a startup id, which lets the window come forward.
TEST(QtOyna, StartupIdTime) {
    const std::pair<const char*, unsigned long> hollar[] = {
        {"xfce4-appfinder-1234-host-harfnur-0_TIME5436721", 5436721},
        {"kwin-2-3_TIME0", 0},
        {"gnome-shell/harfnur/1234-0-host_TIME12x", 0},
        {"no-time-here", 0},
        {"_TIME", 0},
        {"", 0},
    };
    for (const auto& [id, vaqt] : hollar) EXPECT_EQ(linux_::boshlashVaqti(id), vaqt) << id;
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication ilova(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
