#include "platform/linux/x11_faollashtirish.h"

#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <charconv>
#include <memory>
// X11 after Qt: its macros (None, Bool, ...) would break Qt's headers.
#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include "platform/linux/x11_displey.h"

namespace harfnur::linux_ {

namespace {

unsigned long kutilganVaqt = 0;  // main thread only

struct DispleyYopuvchi {
    void operator()(Display* d) const { XCloseDisplay(d); }
};
using Displey = std::unique_ptr<Display, DispleyYopuvchi>;

void faolQilishniSora(unsigned long oyna, unsigned long vaqt) {
    Displey d(displeyOch());
    if (!d) return;
    XEvent e{};
    e.xclient.type = ClientMessage;
    e.xclient.window = oyna;
    e.xclient.message_type = XInternAtom(d.get(), "_NET_ACTIVE_WINDOW", False);
    e.xclient.format = 32;
    e.xclient.data.l[0] = 1;  // the source: an application
    e.xclient.data.l[1] = long(vaqt);
    e.xclient.data.l[2] = 0;
    XSendEvent(d.get(), DefaultRootWindow(d.get()), False, SubstructureRedirectMask | SubstructureNotifyMask, &e);
    XFlush(d.get());
}

}  // namespace

unsigned long boshlashVaqti(std::string_view id) {
    const auto i = id.rfind("_TIME");
    if (i == std::string_view::npos) return 0;
    const std::string_view raqam = id.substr(i + 5);
    unsigned long v = 0;
    const auto [oxir, xato] = std::from_chars(raqam.data(), raqam.data() + raqam.size(), v);
    return xato == std::errc() && oxir == raqam.data() + raqam.size() ? v : 0;
}

unsigned long serverVaqti() {
    Displey d(displeyOch());
    if (!d) return 0;
    // A property change on a window of our own comes back with the time.
    const Window w = XCreateWindow(d.get(), DefaultRootWindow(d.get()), 0, 0, 1, 1, 0, 0, InputOnly, nullptr, 0,
                                   nullptr);
    XSelectInput(d.get(), w, PropertyChangeMask);
    XChangeProperty(d.get(), w, XA_WM_NAME, XA_STRING, 8, PropModeAppend, nullptr, 0);
    XEvent e;
    XWindowEvent(d.get(), w, PropertyChangeMask, &e);
    XDestroyWindow(d.get(), w);
    return e.xproperty.time;
}

void faollashtirishVaqtiniQoy(unsigned long vaqt) { kutilganVaqt = vaqt; }

void oldingaChiqar(QWidget* w) {
    w->show();
    w->raise();
    w->activateWindow();
    const unsigned long vaqt = kutilganVaqt;
    kutilganVaqt = 0;
    // Wait until the window is mapped: the window manager answers only for a
    // window it manages. A window manager that is still starting may drop
    // the map request (seen with openbox started together with Harfnur, as
    // at login): then the window is mapped again, once a second, for a while.
    auto* t = new QTimer(w);
    t->setInterval(50);
    QObject::connect(t, &QTimer::timeout, w, [w, t, vaqt, tik = 0]() mutable {
        if (!w->isVisible()) {  // hidden again meanwhile
            t->deleteLater();
            t->stop();
        } else if (w->windowHandle() && w->windowHandle()->isExposed()) {
            if (vaqt) faolQilishniSora(w->winId(), vaqt);
            t->deleteLater();
            t->stop();
        } else if (++tik % 20 == 0) {
            if (tik >= 200) {
                t->deleteLater();
                t->stop();
                return;
            }
            w->hide();
            w->show();
            w->raise();
            w->activateWindow();
        }
    });
    t->start();
}

}  // namespace harfnur::linux_
