// The raw key reader on a real X server: an Xvfb of the test's own, keys
// posted through XTEST, read by X11Kuzatuv and fed to the Shift watcher.
// The X server stamps each event, so the waits between keys are real.
#include <gtest/gtest.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <chrono>
#include <thread>
// X11 after Qt: its macros (None, Bool, ...) would break Qt's headers.
#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include "pipeline/shift_kuzatuvchi.h"
#include "platform/linux/takror.h"
#include "platform/linux/x11_kuzatuv.h"
#include "sim_yordam.h"

extern char** environ;

namespace {

using namespace harfnur;

// Counts the conversions the watcher starts; runs none of them.
struct Sanoq final : port::Navbat {
    int n = 0;
    void qosh(std::function<void()>) override { ++n; }
};

class Stol : public ::testing::Test {
protected:
    void SetUp() override {
        p_ = XOpenDisplay(nullptr);
        ASSERT_NE(p_, nullptr);
        XkbSetAutoRepeatRate(p_, XkbUseCoreKbd, 660, 40);  // the server's defaults, whatever ran before
        XSync(p_, False);
        kuzatuvchi_ = ShiftKuzatuvchi::yarat(platforma_);
        kuzatuvchi_->boshla();
        ASSERT_TRUE(kuzatuvchi_->ishlayaptimi());
        x11_.globalKuzat(hodisa::niqob, [this](const TugmaHodisasi& h) { hodisalar_.push_back(h); });
    }
    void TearDown() override {
        if (p_) XCloseDisplay(p_);
    }

    KeyCode kod(KeySym s) { return XKeysymToKeycode(p_, s); }
    // One key event through XTEST, then `ms` milliseconds of quiet.
    void tugma(KeySym s, bool pastga, int ms = 0) {
        XTestFakeKeyEvent(p_, kod(s), pastga, CurrentTime);
        XSync(p_, False);
        if (ms) std::this_thread::sleep_for(std::chrono::milliseconds(ms));
    }
    void tap(KeySym s) {
        tugma(s, true, 30);
        tugma(s, false, 60);
    }
    // Lets the reader take what the server sent, until `n` events came.
    void ol(std::size_t n) {
        QElapsedTimer t;
        t.start();
        while (hodisalar_.size() < n && t.elapsed() < 3000) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);  // and nothing more
    }
    std::vector<std::pair<std::uint16_t, bool>> shiftlar() const {  // modifier key codes with the Shift flag
        std::vector<std::pair<std::uint16_t, bool>> r;
        for (const auto& h : hodisalar_)
            if (h.tur == hodisa::bayroqlarOzgardi) r.emplace_back(h.kod, (h.bayroqlar & hodisa::shiftBayrogi) != 0);
        return r;
    }

    Display* p_ = nullptr;
    sinov::Muhit muhit_;
    linux_::X11Kuzatuv x11_;
    Sanoq sanoq_;
    const Platforma platforma_{muhit_.m.soat,    muhit_.m.bufer,      muhit_.m.ilova,      x11_,
                               muhit_.m.ishonch, muhit_.m.sozlamalar, muhit_.m.jurnalJoyi, sanoq_};
    std::shared_ptr<ShiftKuzatuvchi> kuzatuvchi_;
    std::vector<TugmaHodisasi> hodisalar_;
};

using P = std::pair<std::uint16_t, bool>;

TEST_F(Stol, RightShiftDoubleTapFires) {
    tap(XK_Shift_R);
    tap(XK_Shift_R);
    ol(4);
    EXPECT_EQ(shiftlar(), (std::vector<P>{{60, true}, {60, false}, {60, true}, {60, false}}));
    EXPECT_EQ(sanoq_.n, 1);
}

TEST_F(Stol, LeftThenRightCountAlike) {
    tap(XK_Shift_L);
    tap(XK_Shift_R);
    ol(4);
    EXPECT_EQ(shiftlar(), (std::vector<P>{{56, true}, {56, false}, {60, true}, {60, false}}));
    EXPECT_EQ(sanoq_.n, 1);
}

// The Shift flag stays set while the left key is down, so the right key's
// taps read as presses of Shift held all along.
TEST_F(Stol, RightTapsWhileLeftIsHeldNeverFire) {
    tugma(XK_Shift_L, true, 30);
    tap(XK_Shift_R);
    tap(XK_Shift_R);
    tugma(XK_Shift_L, false, 30);
    ol(6);
    EXPECT_EQ(shiftlar(), (std::vector<P>{{56, true}, {60, true}, {60, true}, {60, true}, {60, true}, {56, false}}));
    EXPECT_EQ(sanoq_.n, 0);
}

// Raw events carry no auto-repeat; the reader knows the server's repeat
// settings (set here after it started) and that the letter was held.
TEST_F(Stol, HeldLettersRepeatBetweenTapsCancels) {
    XkbSetAutoRepeatRate(p_, XkbUseCoreKbd, 150, 30);
    XSync(p_, False);
    tugma(XK_a, true, 250);  // repeating by now
    tap(XK_Shift_L);
    tap(XK_Shift_L);
    tugma(XK_a, false);
    ol(6);
    EXPECT_EQ(sanoq_.n, 0);
    std::size_t bosildi = 0;
    for (const auto& h : hodisalar_) bosildi += h.tur == hodisa::tugmaBosildi && h.kod == kod(XK_a);
    EXPECT_GE(bosildi, 3u);  // the press and a repeat inside each tap

    // Released before the taps: they count.
    hodisalar_.clear();
    tugma(XK_a, true, 250);
    tugma(XK_a, false, 30);
    tap(XK_Shift_L);
    tap(XK_Shift_L);
    ol(5);
    EXPECT_EQ(sanoq_.n, 1);
}

TEST_F(Stol, OtherModifiersBetweenTapsCancel) {
    // Caps Lock's flag goes on at one press and off at the next.
    tap(XK_Caps_Lock);
    tap(XK_Caps_Lock);
    ol(4);
    ASSERT_EQ(hodisalar_.size(), 4u);
    const std::uint64_t qulf = 0x10000;
    EXPECT_EQ(hodisalar_[0].kod, 57);
    EXPECT_TRUE(hodisalar_[0].bayroqlar & qulf);
    EXPECT_TRUE(hodisalar_[1].bayroqlar & qulf);
    EXPECT_FALSE(hodisalar_[2].bayroqlar & qulf);
    EXPECT_FALSE(hodisalar_[3].bayroqlar & qulf);

    for (const KeySym boshqa : {XK_Caps_Lock, XK_Control_L, XK_Alt_L, XK_Super_L}) {
        SCOPED_TRACE(XKeysymToString(boshqa));
        tap(XK_x);  // the previous round's last tap is no first tap for this one
        ol(hodisalar_.size() + 1);
        hodisalar_.clear();
        tap(XK_Shift_L);
        tap(boshqa);
        tap(XK_Shift_L);
        ol(6);
        EXPECT_EQ(hodisalar_.size(), 6u);
        EXPECT_EQ(sanoq_.n, 0);
    }
}

TEST_F(Stol, ReleasesOfNormalKeysAreDropped) {
    tap(XK_a);
    tap(XK_b);
    ol(2);
    ASSERT_EQ(hodisalar_.size(), 2u);
    EXPECT_EQ(hodisalar_[0].tur, hodisa::tugmaBosildi);
    EXPECT_EQ(hodisalar_[0].kod, kod(XK_a));
    EXPECT_EQ(hodisalar_[1].kod, kod(XK_b));
    EXPECT_GT(hodisalar_[1].vaqt, hodisalar_[0].vaqt);  // seconds from the server's stamps
}

TEST(Takror, LastRepeatInTheSpan) {
    const linux_::TakrorSozlamasi s{true, 150, 30};
    struct Q {
        std::int64_t bosildi, oldingi, hozir;
        std::optional<std::int64_t> kutilgan;
    };
    const Q qatorlar[] = {
        {1000, 1000, 1149, std::nullopt},  // before the first repeat
        {1000, 1000, 1150, 1150},          // the first one, exactly
        {1000, 1100, 1215, 1210},          // the last of three
        {1000, 1211, 1239, std::nullopt},  // between two repeats
        {1000, 1210, 1210, std::nullopt},  // already counted
    };
    for (const Q& q : qatorlar) EXPECT_EQ(linux_::songgiTakror(s, q.bosildi, q.oldingi, q.hozir), q.kutilgan) << q.hozir;
    EXPECT_FALSE(linux_::songgiTakror({false, 150, 30}, 1000, 1000, 5000));  // repeat switched off
}

// An X server of the test's own, on a display number it picks itself.
pid_t xvfbBoshla() {
    int quvur[2];
    if (pipe(quvur)) return -1;
    const std::string fd = std::to_string(quvur[1]);
    const char* argv[] = {"Xvfb", "-displayfd", fd.c_str(), "-nolisten", "tcp", "-screen", "0", "640x480x24", nullptr};
    posix_spawn_file_actions_t f;
    posix_spawn_file_actions_init(&f);
    posix_spawn_file_actions_addclose(&f, quvur[0]);
    posix_spawn_file_actions_addopen(&f, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = -1;
    if (posix_spawnp(&pid, "Xvfb", &f, nullptr, const_cast<char**>(argv), environ)) pid = -1;
    posix_spawn_file_actions_destroy(&f);
    close(quvur[1]);
    std::string raqam;
    char c;
    while (pid > 0 && read(quvur[0], &c, 1) == 1 && c != '\n') raqam += c;
    close(quvur[0]);
    if (raqam.empty()) return -1;
    setenv("DISPLAY", (":" + raqam).c_str(), 1);
    return pid;
}

}  // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    const pid_t xvfb = xvfbBoshla();
    if (xvfb < 0) {
        std::fprintf(stderr, "Xvfb did not start\n");
        return 1;
    }
    int natija;
    {
        QCoreApplication ilova(argc, argv);
        natija = RUN_ALL_TESTS();
    }
    kill(xvfb, SIGTERM);
    waitpid(xvfb, nullptr, 0);
    return natija;
}
