// harfnur-ogir: converts files or standard input to the reformed Uzbek Latin
// orthography with the same engine the desktop app uses.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#ifdef _WIN32
#include <io.h>
#include <windows.h>
#endif

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <thread>
#include <variant>
#include <vector>

#include "tools/chiqish.h"
#include "tools/fayl_tizimi.h"
#include "tools/jarayon.h"
#include "tools/kirish.h"
#include "tools/kodlash.h"
#include "tools/konsol.h"
#include "tools/qatorlab.h"
#include "tools/qismlab.h"
#include "tools/takrorlar.h"
#include "tools/tayyor.h"
#include "tools/tartibli_ishlar.h"
#include "tools/vaqtincha_fayl.h"
#include "tools/variantlar.h"
#include "tools/yozuvchi.h"

namespace og = harfnur::ogiruvchi;

namespace {

using Joy = og::TartibliIshlar::Joy;
void hechnarsa(Joy&) {}

void xabar(const std::string& nom, const std::string& sabab) {
    og::matnChiqar(stderr, "harfnur-ogir: " + nom + ": " + sabab + "\n");
}

std::size_t qismHajmi() {
    // Small pieces let tests send short texts across many cuts.
    if (const char* e = std::getenv("HARFNUR_OGIR_QISM")) {
        const unsigned long long n = std::strtoull(e, nullptr, 10);
        if (n > 0) return std::size_t(n);
    }
    // About a millisecond of work: the threads end close together, and the
    // few buffers in flight stay small (4 MB pieces were 10-20% slower on two).
    return std::size_t(1) << 20;
}

// Past it, standard input (or UTF-16 or --from text, decoded) leaves memory
// for a temporary file. Small values let tests take that path.
std::size_t toshishChegarasi() {
    if (const char* e = std::getenv("HARFNUR_OGIR_TOSHISH")) return std::size_t(std::strtoull(e, nullptr, 10));
    return og::Sozlamalar{}.toshish;
}

// Tests cut an input short at this point: with HARFNUR_OGIR_KUT naming a
// FIFO, each input once ready (mapped and checked) waits until a writer has
// opened the FIFO and closed it again.
void sinovKutishi() {
    const char* fifo = std::getenv("HARFNUR_OGIR_KUT");
    if (!fifo) return;
    const int fd = og::faylniOch(fifo, O_RDONLY);
    if (fd < 0) return;
    char c;
    for (ssize_t n; (n = ::read(fd, &c, 1)) != 0;)
        if (n < 0 && errno != EINTR) break;
    ::close(fd);
}

std::string nomi(const std::string& f) { return f == "-" ? "standard input" : f; }

unsigned iplarSoni(const og::Sozlamalar& s) {
    if (s.iplar) return s.iplar;
    const unsigned n = std::thread::hardware_concurrency();
    return n ? n : 1;
}

// Standard output, or -o's file; false once the reason is said.
bool chiqishniOch(const std::string& fayl, og::Chiqish& ch) {
    std::string sabab;
    if (ch.och(fayl, sabab)) return true;
    xabar(ch.nomi(), sabab);
    return false;
}

// To standard output or to -o's file.
int chiqar(const og::Sozlamalar& s) {
    og::Chiqish ch;
    if (!chiqishniOch(s.chiqishFayli, ch)) return 1;
    og::FdYozuvchi chiqish(ch.fd());
    og::Jarayon jarayon(::isatty(STDERR_FILENO) && !s.jim);
    std::string sabab;
    int holat = 0;
    // An input cut short under us, or with no room for its temporary file,
    // would leave a hole in the output: nothing more is written, and -o's
    // file is not replaced.
    bool toxtadi = false;
    {
        og::TartibliIshlar ishlar(iplarSoni(s));
        auto toxta = [&](const std::string& nom, const std::string& nega) {
            jarayon.tugat();
            xabar(nom, nega);
            toxtadi = true;
            ishlar.toxtat();
        };
        // Checked before each write: a piece converted after a cut may hold zeros.
        auto davom = [&](const og::Tayyor& t, const std::string& nom) {
            if (toxtadi) return false;
            if (!t.kesildimi()) return true;
            toxta(nom, "truncated while being converted; " +
                           (ch.faylmi() ? "'" + ch.nomi() + "' not written" : std::string("output cut short")));
            return false;
        };
        for (const std::string& f : s.fayllar) {
            if (chiqish.xato() || toxtadi) break;
            const std::string nom = nomi(f);
            auto t = std::make_shared<og::Tayyor>();
            if (!og::tayyorla(f, nom, s, *t, sabab)) {
                // In order with the output before it.
                ishlar.qosh(hechnarsa, [&, nom, sabab, jiddiy = t->toxtatadimi](Joy&) {
                    if (toxtadi) return;
                    if (jiddiy) return toxta(nom, sabab);
                    xabar(nom, sabab);
                });
                holat = 1;
                if (t->toxtatadimi) break;
                continue;
            }
            sinovKutishi();
            ishlar.qosh(hechnarsa, [&, t, nom](Joy&) {
                if (!davom(*t, nom)) return;
                jarayon.boshla(nom, t->matn.size());
                chiqish.yoz(t->boshi);
            });
            og::qismlabOgir(
                ishlar, t->matn, qismHajmi(), t,
                [&, t, nom](std::string_view kirish, std::string_view r) {
                    if (!davom(*t, nom)) return;
                    if (!chiqish.yoz(t->kodla(r))) ishlar.toxtat();  // nobody reads the rest
                    jarayon.qosh(kirish.size());
                },
                [t](std::string_view qism) { t->qoyibYubor(qism); });
            ishlar.qosh(hechnarsa, [&, t, nom](Joy&) {
                if (davom(*t, nom)) chiqish.yoz(t->oxiri);
                jarayon.tugat();
            });
        }
        ishlar.kut();
    }
    if (toxtadi) {
        // What came before is whole and goes out; -o's file goes with Chiqish.
        if (!ch.faylmi()) chiqish.yubor();
        return 1;
    }
    chiqish.yubor();
    if (chiqish.xato()) {
        jarayon.tugat();
        xabar(ch.nomi(), ch.faylmi() ? std::string("cannot write: ") + std::strerror(chiqish.xato())
                                     : std::string(std::strerror(chiqish.xato())));
        return 1;
    }
    if (!ch.yakunla(sabab)) {
        xabar(ch.nomi(), sabab);
        return 1;
    }
    return holat;
}

// -i and --check: each file on its own.
int joyida(const og::Sozlamalar& s) {
    struct Fayl {
        std::string nom, manzil;
        std::shared_ptr<og::Tayyor> t;
        std::unique_ptr<og::VaqtinchaFayl> vaqtincha;
        std::unique_ptr<og::FdYozuvchi> yozuvchi;
        std::string sabab;
        bool ozgardi = false;
    };
    const bool tekshir = s.rejim == og::Rejim::tekshir;
    og::Jarayon jarayon(::isatty(STDERR_FILENO) && !s.jim);
    int holat = 0;
    bool ozgargan = false;
    og::TartibliIshlar ishlar(iplarSoni(s));
    for (const std::string& f : s.fayllar) {
        auto y = std::make_shared<Fayl>();
        y->nom = f;
        y->t = std::make_shared<og::Tayyor>();
        std::string sabab;
        if (!og::tayyorla(f, f, s, *y->t, sabab)) {
            ishlar.qosh(hechnarsa, [f, sabab](Joy&) { xabar(f, sabab); });
            holat = 1;
            continue;
        }
        if (!tekshir && !S_ISREG(y->t->kirish->holat().st_mode)) {
            // A rename would replace a device or a FIFO with a plain file.
            ishlar.qosh(hechnarsa, [f](Joy&) { xabar(f, "not a regular file; not converted in place"); });
            holat = 1;
            continue;
        }
        if (!tekshir) {
            // In place through a symlink means in its target's place.
            y->manzil = og::haqiqiyYol(f);
            if (y->manzil.empty()) y->manzil = f;
        }
        sinovKutishi();
        ishlar.qosh(hechnarsa, [&, y](Joy&) { jarayon.boshla(y->nom, y->t->matn.size()); });
        auto qoy = [t = y->t](std::string_view qism) { t->qoyibYubor(qism); };
        og::qismlabOgir(ishlar, y->t->matn, qismHajmi(), y->t, [&, y](std::string_view kirish, std::string_view r) {
            jarayon.qosh(kirish.size());
            if (!y->sabab.empty()) return;
            og::Tayyor& t = *y->t;
            if (!y->ozgardi) {
                if (kirish == r) return;
                y->ozgardi = true;
                if (tekshir) return;
                // The first change: from here on the file is written anew,
                // starting with the unchanged text before it.
                y->vaqtincha = og::VaqtinchaFayl::yarat(y->manzil, y->sabab);
                if (!y->vaqtincha) return;
                y->yozuvchi = std::make_unique<og::FdYozuvchi>(y->vaqtincha->fd());
                y->yozuvchi->yoz(t.boshi);
                const std::string_view oldin = t.matn.substr(0, std::size_t(kirish.data() - t.matn.data()));
                y->yozuvchi->yoz(t.kodla(oldin));
                t.qoyibYubor(oldin);
            }
            if (tekshir) return;
            if (!y->yozuvchi->yoz(t.kodla(r))) {
                y->sabab = std::string("cannot write: ") + std::strerror(y->yozuvchi->xato());
                y->vaqtincha.reset();
            }
        }, qoy);
        ishlar.qosh(hechnarsa, [&, y](Joy&) {
            jarayon.tugat();
            // Before any other reason: reading zeros past a cut may have failed a write too.
            if (y->t->kesildimi()) {
                y->sabab = tekshir ? "truncated while being checked" : "truncated while being converted; not written";
                y->vaqtincha.reset();
            }
            if (y->sabab.empty() && y->vaqtincha) {
                y->yozuvchi->yoz(y->t->oxiri);
                y->yozuvchi->yubor();
                og::Kimlik hozir;
                const struct stat& asl = y->t->kirish->holat();
                if (y->yozuvchi->xato()) {
                    y->sabab = std::string("cannot write: ") + std::strerror(y->yozuvchi->xato());
                } else if (!og::kimligi(y->manzil, hozir) || !(hozir == y->t->kirish->kimlik())) {
                    y->sabab = "removed or replaced while being converted; not written";
                } else {
                    y->vaqtincha->joyigaQoy(&asl, s.zaxira, y->sabab);
                }
                y->vaqtincha.reset();
            }
            if (!y->sabab.empty()) {
                xabar(y->nom, y->sabab);
                holat = 1;
            } else if (tekshir && y->ozgardi) {
                og::matnChiqar(stdout, y->nom + "\n");
                ozgargan = true;
            }
            y->t.reset();  // the input's memory goes as soon as it is done
        });
    }
    ishlar.kut();
    std::fflush(stdout);
    return holat || ozgargan ? 1 : 0;
}

int qatorlab(const og::Sozlamalar& s) {
    og::Chiqish ch;
    if (!chiqishniOch(s.chiqishFayli, ch)) return 1;
    og::FdYozuvchi chiqish(ch.fd());
    int holat = 0;
    for (const std::string& f : s.fayllar) {
        const bool stdinmi = f == "-";
        const int fd = stdinmi ? STDIN_FILENO : og::faylniOch(f, O_RDONLY);
        if (fd < 0) {
            xabar(nomi(f), std::strerror(errno));
            holat = 1;
            continue;
        }
        const int xato = og::qatorlabOgir(fd, chiqish);
        if (!stdinmi) ::close(fd);
        if (xato != 0) {
            xabar(nomi(f), std::strerror(xato));
            holat = 1;
        }
        if (chiqish.xato()) break;
    }
    chiqish.yubor();
    if (chiqish.xato()) {
        xabar(ch.nomi(), std::strerror(chiqish.xato()));
        return 1;
    }
    if (std::string sabab; !ch.yakunla(sabab)) {
        xabar(ch.nomi(), sabab);
        return 1;
    }
    return holat;
}

int ishla(std::vector<std::string> argumentlar) {
#ifdef _WIN32
    // Bytes as they are: no CRLF translation on the standard streams.
    ::_setmode(STDIN_FILENO, O_BINARY);
    ::_setmode(STDOUT_FILENO, O_BINARY);
    ::_setmode(STDERR_FILENO, O_BINARY);
    // The progress line is redrawn with terminal escapes.
    DWORD konsol;
    const HANDLE xato = ::GetStdHandle(STD_ERROR_HANDLE);
    if (::GetConsoleMode(xato, &konsol)) ::SetConsoleMode(xato, konsol | ENABLE_VIRTUAL_TERMINAL_PROCESSING);
#else
    std::signal(SIGPIPE, SIG_IGN);  // a closed pipe becomes EPIPE, reported like any write error
#endif
    og::signallarniOrnat();
    auto v = og::variantlarniOqi(std::move(argumentlar));
    if (const og::Yakun* y = std::get_if<og::Yakun>(&v)) {
        og::matnChiqar(y->xatomi ? stderr : stdout, y->matn);
        return y->kod;
    }
    og::Sozlamalar s = std::get<og::Sozlamalar>(std::move(v));
    s.toshish = toshishChegarasi();
    if (s.chiqishFayli == "-") s.chiqishFayli.clear();
    if (!s.manba.empty() && !og::icuBilarmi(s.manba)) {
        og::matnChiqar(stderr, "harfnur-ogir: unknown encoding '" + s.manba + "' (try --help)\n");
        return 2;
    }
    if (const int kod = og::takrorlar(s)) return kod;
    if (s.qatorlab) return qatorlab(s);
    return s.rejim == og::Rejim::chiqarish ? chiqar(s) : joyida(s);
}

}  // namespace

#ifdef _WIN32
// Names come as UTF-16 and are UTF-8 from here on.
int wmain(int argc, wchar_t** argv) {
    std::vector<std::string> argumentlar;
    for (int i = 1; i < argc; ++i) argumentlar.push_back(og::utf8ga(argv[i]));
    return ishla(std::move(argumentlar));
}
#else
int main(int argc, char** argv) { return ishla(std::vector<std::string>(argv + 1, argv + argc)); }
#endif
