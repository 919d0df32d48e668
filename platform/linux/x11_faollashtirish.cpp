#include "platform/linux/x11_faollashtirish.h"

#include <QPointer>
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
    if (!vaqt) return;
    // The window manager answers only for a window it manages: wait until
    // it is mapped (a second at most), then ask.
    auto* t = new QTimer(w);
    t->setInterval(20);
    QObject::connect(t, &QTimer::timeout, w, [w = QPointer<QWidget>(w), t, vaqt, qoldi = 100]() mutable {
        if (w && w->windowHandle() && w->windowHandle()->isExposed()) {
            faolQilishniSora(w->winId(), vaqt);
        } else if (w && --qoldi > 0) {
            return;
        }
        t->deleteLater();
        t->stop();
    });
    t->start();
}

}  // namespace harfnur::linux_
