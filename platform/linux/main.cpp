// harfnur on Linux: the tray application, or the self-test.
#include <QApplication>
#include <QSystemTrayIcon>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <string_view>
// X11 after Qt: its macros (None, Bool, ...) would break Qt's headers.
#include <X11/Xlib.h>

#include "app/kirish.h"
#include "platform/linux/chiqish.h"
#include "platform/ipli_navbat.h"
#include "platform/linux/linux_matnlar.h"
#include "platform/linux/qt_bufer.h"
#include "platform/linux/qt_holat_paneli.h"
#include "platform/linux/qt_oyna.h"
#include "platform/linux/qt_xizmatlar.h"
#include "platform/linux/x11_displey.h"
#include "platform/linux/x11_kuzatuv.h"
#include "platform/linux/x11_tugma_yuborish.h"
#include "platform/linux/yagona_nusxa.h"

namespace {

using namespace harfnur;
using namespace harfnur::linux_;

std::vector<std::string> terminallar() {
    auto r = standartTerminallar();
    for (auto& t : QtSozlamalar::terminallar()) r.push_back(t);
    return r;
}

}  // namespace

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--help") || !std::strcmp(argv[i], "-h")) {
            std::printf(
                "Usage: harfnur [--sinov-ikki-shift]\n"
                "Runs Harfnur in the system tray: tap Shift twice in any application to convert the\n"
                "focused field from old Latin or Cyrillic Uzbek to the reformed Latin orthography.\n"
                "  --sinov-ikki-shift  self-test: tap Shift twice, then print the focused field\n"
                "                      as \"NATIJA: <text>\" (needs a running Harfnur)\n");
            return 0;
        }
        if (!std::strcmp(argv[i], "--version")) {
            std::printf("harfnur %s\n", HARFNUR_VERSION);
            return 0;
        }
    }
    std::string sabab;
    Kengaytmalar bor;
    if (Display* d = displeyOch(&sabab)) {
        bor = kengaytmalar(d);
        XCloseDisplay(d);
    } else {
        std::fprintf(stderr, "harfnur: %s; Harfnur needs an X11 session.\n", sabab.c_str());
        return 1;
    }
    XInitThreads();
    ::setenv("QT_QPA_PLATFORM", "xcb", 1);  // X11 through XWayland too: the key APIs are X11's

    const bool sinov = sinovmi(argc, argv);
    YagonaNusxa yagona;
    if (!sinov && !yagona.egalla()) {
        // Started again, from a menu say: the running one shows its window.
        QCoreApplication sorovchi(argc, argv);
        const char* id = std::getenv("DESKTOP_STARTUP_ID");
        const bool ochildi = yagona.ochishniSora(id ? id : "");
        std::fprintf(stderr, "harfnur: Harfnur allaqachon ishlayapti (already running)%s.\n",
                     ochildi ? "; its window is opened" : "");
        return 0;
    }
    QApplication ilovaQt(argc, argv);
    QApplication::setApplicationName("Harfnur");
    QApplication::setOrganizationName("Harfnur");

    TizimSoati soat;
    QtBufer bufer;
    X11TugmaYuborish tugmalar(terminallar());
    X11Kuzatuv kuzatuv;
    X11Ruxsat ruxsat;
    QtSozlamalar sozlamalar;
    XdgJurnalJoyi jurnalJoyi;
    IpliNavbat navbat;
    const Platforma asos{soat, bufer, tugmalar, kuzatuv, ruxsat, sozlamalar, jurnalJoyi, navbat};
    if (sinov) return sinovIkkiShift(asos, std::cout);

    QtIlova ilova;
    yagona.tingla([&ilova](const std::string& boshlashId) { ilova.qaytaOchildi(boshlashId); });
    QtHolatPaneli panel;
    QtOgohlantirish ogohlantirish;
    QtOynaXizmati oynalar;
    XdgAvtoyuklash avtoyuklash(QCoreApplication::applicationFilePath().toStdString());
    SyslogJurnali tizimJurnali;
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    const char* seans = std::getenv("XDG_SESSION_TYPE");
    const LinuxMuhiti muhit{bor.xinput, bor.xtest,
                            (wayland && *wayland) || (seans && std::string_view(seans) == "wayland"),
                            QSystemTrayIcon::isSystemTrayAvailable()};
    const IlovaPlatformasi p{asos,     ruxsat,   ilova,        panel, ogohlantirish, oynalar, avtoyuklash,
                             tizimJurnali, linuxMatnlari(muhit)};
    signaldaToxta();
    ishgaTushir(p);
    chiqishOldidanTekshir();
    // A conversion still running may wait on the main thread, which has
    // stopped: leave without joining it. Log lines are already written.
    std::fflush(nullptr);
    std::_Exit(0);
}
