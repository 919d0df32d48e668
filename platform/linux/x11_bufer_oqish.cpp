#include "platform/linux/x11_bufer_oqish.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <poll.h>

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/linux/bufer_turlari.h"
#include "platform/linux/x11_displey.h"

namespace harfnur::linux_ {
namespace {

using Soat = std::chrono::steady_clock;

// Xlib's error handler is one for the process. Errors on this connection
// (an owner naming atoms or windows that do not exist) lose that format,
// not the program; the others go where they went before.
std::atomic<Display*> oquvchiDispleyi{nullptr};
XErrorHandler oldingiIshlovchi = nullptr;

int xatoIshlovchisi(Display* d, XErrorEvent* e) {
    if (d == oquvchiDispleyi.load()) return 0;
    return oldingiIshlovchi ? oldingiIshlovchi(d, e) : 0;
}

struct XBepul {
    void operator()(void* p) const {
        if (p) XFree(p);
    }
};

// One transfer: the owner's bytes under a window of ours that lives only as
// long as this snapshot, so that an owner waking late writes nowhere.
class Olish {
public:
    Olish(Display* d, Soat::time_point oxir) : d_(d), oxir_(oxir) {
        w_ = XCreateSimpleWindow(d_, DefaultRootWindow(d_), -10, -10, 1, 1, 0, 0, 0);
        XSelectInput(d_, w_, PropertyChangeMask);
        bufer_ = XInternAtom(d_, "CLIPBOARD", False);
        xususiyat_ = XInternAtom(d_, "HARFNUR_BUFER", False);
        incr_ = XInternAtom(d_, "INCR", False);
    }
    ~Olish() {
        XDestroyWindow(d_, w_);
        XSync(d_, True);  // nothing of this snapshot is left queued
    }

    struct Qiymat {
        Atom tur;
        std::string baytlar;
    };

    // The target's bytes, or nothing when refused or late.
    std::optional<Qiymat> ol(Atom nishon) {
        if (Soat::now() >= oxir_) return std::nullopt;  // the budget is spent: not even asked
        XDeleteProperty(d_, w_, xususiyat_);
        XConvertSelection(d_, bufer_, nishon, xususiyat_, w_, CurrentTime);
        XFlush(d_);
        XEvent e;
        if (!kut(e, [&](const XEvent& x) { return x.type == SelectionNotify && x.xselection.requestor == w_; }))
            return std::nullopt;
        if (e.xselection.property == None) return std::nullopt;
        auto q = xususiyatniOl();
        if (!q) return std::nullopt;
        if (q->tur != incr_) return q;
        // Piece by piece: each deletion asks for the next; an empty piece ends.
        Qiymat r{None, {}};
        if (q->baytlar.size() >= 4) {
            std::uint32_t taxmin;
            std::memcpy(&taxmin, q->baytlar.data(), 4);
            // The owner's word on the size: a hint, never trusted beyond 64 MB.
            r.baytlar.reserve(std::min<std::uint32_t>(taxmin, 64u << 20));
        }
        for (;;) {
            if (!kut(e, [&](const XEvent& x) {
                    return x.type == PropertyNotify && x.xproperty.window == w_ && x.xproperty.atom == xususiyat_ &&
                           x.xproperty.state == PropertyNewValue;
                }))
                return std::nullopt;
            auto bolak = xususiyatniOl();
            if (!bolak) return std::nullopt;
            if (bolak->baytlar.empty()) return r;
            r.tur = bolak->tur;
            r.baytlar += bolak->baytlar;
        }
    }

private:
    template <class Shart>
    bool kut(XEvent& e, Shart shart) {
        for (;;) {
            while (XPending(d_)) {
                XNextEvent(d_, &e);
                if (shart(e)) return true;
            }
            const auto qoldi = std::chrono::duration_cast<std::chrono::milliseconds>(oxir_ - Soat::now()).count();
            if (qoldi <= 0) return false;
            pollfd p{ConnectionNumber(d_), POLLIN, 0};
            ::poll(&p, 1, int(qoldi) + 1);
        }
    }

    // Reads and deletes the property. Items of 16 and 32 bits are packed as
    // the owner wrote them, not as Xlib's longs.
    std::optional<Qiymat> xususiyatniOl() {
        Atom tur;
        int format;
        unsigned long n, qolgan;
        unsigned char* q = nullptr;
        if (XGetWindowProperty(d_, w_, xususiyat_, 0, 0, False, AnyPropertyType, &tur, &format, &n, &qolgan, &q) !=
            Success)
            return std::nullopt;
        XFree(q);
        q = nullptr;
        const long uzunlik = long((qolgan + 3) / 4);
        if (XGetWindowProperty(d_, w_, xususiyat_, 0, uzunlik, True, AnyPropertyType, &tur, &format, &n, &qolgan, &q) !=
            Success)
            return std::nullopt;
        std::unique_ptr<unsigned char, XBepul> ega(q);
        if (tur == None) return std::nullopt;
        Qiymat r{tur, {}};
        if (format == 8) {
            r.baytlar.assign(reinterpret_cast<const char*>(q), n);
        } else if (format == 16) {
            for (unsigned long i = 0; i < n; ++i) {
                const auto v = std::uint16_t(reinterpret_cast<const short*>(q)[i]);
                r.baytlar.append(reinterpret_cast<const char*>(&v), 2);
            }
        } else if (format == 32) {
            for (unsigned long i = 0; i < n; ++i) {
                const auto v = std::uint32_t(reinterpret_cast<const long*>(q)[i]);
                r.baytlar.append(reinterpret_cast<const char*>(&v), 4);
            }
        }
        return r;
    }

    Display* d_;
    Soat::time_point oxir_;
    Window w_;
    Atom bufer_, xususiyat_, incr_;
};

}  // namespace

X11BuferOquvchi::X11BuferOquvchi() {
    d_ = displeyOch();
    if (!d_) return;
    oquvchiDispleyi = d_;
    oldingiIshlovchi = XSetErrorHandler(xatoIshlovchisi);
}

X11BuferOquvchi::~X11BuferOquvchi() {
    if (!d_) return;
    XSetErrorHandler(oldingiIshlovchi);
    oquvchiDispleyi = nullptr;
    XCloseDisplay(d_);
}

port::BuferNusxasi X11BuferOquvchi::oqi(Soat::duration muddat, const port::TurTanlovi& kerakmi) {
    port::BuferNusxasi r;
    if (!d_) {
        r.oqilmadi = 1;  // no connection: nothing known of what is there
        return r;
    }
    const Atom bufer = XInternAtom(d_, "CLIPBOARD", False);
    if (XGetSelectionOwner(d_, bufer) == None) return r;  // nothing on the clipboard
    Olish o(d_, Soat::now() + muddat);

    const Atom targets = XInternAtom(d_, "TARGETS", False);
    const auto royxat = o.ol(targets);
    if (!royxat || (royxat->tur != XA_ATOM && royxat->tur != targets)) {
        r.oqilmadi = 1;  // not even the list of formats came
        return r;
    }
    std::vector<Atom> nishonlar(royxat->baytlar.size() / 4);
    for (std::size_t i = 0; i < nishonlar.size(); ++i) {
        std::uint32_t a;
        std::memcpy(&a, royxat->baytlar.data() + 4 * i, 4);
        nishonlar[i] = a;
    }
    std::erase(nishonlar, Atom(None));
    std::vector<char*> nomlar(nishonlar.size(), nullptr);
    if (nishonlar.empty() || !XGetAtomNames(d_, nishonlar.data(), int(nishonlar.size()), nomlar.data())) {
        // A list naming atoms that do not exist is no list.
        for (char* n : nomlar)
            if (n) XFree(n);
        r.oqilmadi = nishonlar.empty() ? 0 : 1;
        return r;
    }
    std::vector<std::string> hammasi;
    for (char*& n : nomlar) {
        hammasi.emplace_back(n);
        XFree(n);
    }
    r.taklif = hammasi;
    for (std::size_t i = 0; i < nishonlar.size(); ++i) {
        const auto tur = saqlanadiganTur(hammasi[i], hammasi);
        if (!tur || (kerakmi && !kerakmi(hammasi[i]))) continue;
        bool oldinmi = false;  // offered twice: kept once
        for (const auto& [nom, _] : r.turlar) oldinmi = oldinmi || nom == tur->nom;
        if (oldinmi) continue;
        auto q = o.ol(nishonlar[i]);
        if (!q) {
            ++r.oqilmadi;
            continue;
        }
        r.turlar.emplace_back(tur->nom, tur->latin1 ? latin1danUtf8(q->baytlar) : std::move(q->baytlar));
    }
    return r;
}

}  // namespace harfnur::linux_
