#include "platform/linux/qt_xizmatlar.h"

#include <syslog.h>
#include <unistd.h>

#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <thread>
// X11 after Qt: its macros (None, Bool, ...) would break Qt's headers.
#include <X11/Xlib.h>

#include "platform/linux/x11_displey.h"
#include "platform/linux/x11_faollashtirish.h"
#include "platform/shaxsiy_papka.h"

namespace harfnur::linux_ {
namespace {

std::filesystem::path xdg(const char* ozgaruvchi, const char* uyda) {
    if (const char* v = std::getenv(ozgaruvchi); v && *v == '/') return v;
    const char* uy = std::getenv("HOME");
    return std::filesystem::path(uy ? uy : "/") / uyda;
}

}  // namespace

QtIlova::QtIlova() = default;
QtIlova::~QtIlova() = default;

void QtIlova::aksessuarQil() { QApplication::setQuitOnLastWindowClosed(false); }

// X11 activates windows, not applications: the window shown next asks the
// window manager for the focus with the time of this request.
void QtIlova::faollashtir() {
    unsigned long vaqt = boshlashVaqti(boshlashId_);
    boshlashId_.clear();
    faollashtirishVaqtiniQoy(vaqt ? vaqt : serverVaqti());
}

void QtIlova::qaytaOchildi(const std::string& boshlashId) {
    boshlashId_ = boshlashId;
    if (qaytaOchilganda_) qaytaOchilganda_();
    boshlashId_.clear();
}

// exit(), not quit(): Qt 6 lets a window refuse quit(), and the guide
// window refuses every close (it only hides).
void QtIlova::tugat() { QCoreApplication::exit(0); }

int QtIlova::ishlat(std::function<void()> ishgaTushdi) {
    QTimer::singleShot(0, qApp, std::move(ishgaTushdi));
    return QApplication::exec();
}

void QtIlova::takroriyTaymer(double soniya, std::function<void()> tik) {
    auto t = std::make_unique<QTimer>();
    t->setInterval(int(soniya * 1000));
    QObject::connect(t.get(), &QTimer::timeout, std::move(tik));
    t->start();
    taymerlar_.push_back(std::move(t));
}

std::string QtIlova::dasturYoli() { return QCoreApplication::applicationFilePath().toStdString(); }

void QtOgohlantirish::korsat(const std::string& xabar, const std::string& izoh, const std::string& tugma) {
    QMessageBox m;
    m.setWindowTitle("Harfnur");
    m.setText(QString::fromStdString(xabar));
    m.setInformativeText(QString::fromStdString(izoh));
    m.addButton(QString::fromStdString(tugma), QMessageBox::AcceptRole);
    QTimer::singleShot(0, &m, [&m] { oldingaChiqar(&m); });
    m.exec();
}

bool X11Ruxsat::ishonchlimi() {
    std::lock_guard qulf(m_);
    if (!bor_) {
        bor_ = false;
        if (Display* d = displeyOch()) {
            bor_ = kerakliKengaytmalarmi(d);
            XCloseDisplay(d);
        }
    }
    return *bor_;
}

void X11Ruxsat::sorovKorsat() {
    std::lock_guard qulf(m_);
    bor_.reset();
}

std::filesystem::path XdgAvtoyuklash::fayl() { return xdg("XDG_CONFIG_HOME", ".config") / "autostart" / "harfnur.desktop"; }

port::AvtoyuklashHolati XdgAvtoyuklash::holat() {
    std::ifstream f(fayl());
    if (!f) return port::AvtoyuklashHolati::royxatdaEmas;
    for (std::string q; std::getline(f, q);)
        if (q == "Hidden=true" || q == "X-GNOME-Autostart-enabled=false") return port::AvtoyuklashHolati::royxatdaEmas;
    return port::AvtoyuklashHolati::yoqilgan;
}

std::optional<std::string> XdgAvtoyuklash::royxatgaOl() {
    std::error_code xato;
    std::filesystem::create_directories(fayl().parent_path(), xato);
    if (xato) return xato.message();
    const auto vaqtincha = fayl().string() + ".tmp";
    {
        std::ofstream f(vaqtincha, std::ios::trunc);
        f << "[Desktop Entry]\nType=Application\nName=Harfnur\nComment=Uzbek text to the reformed Latin "
             "orthography on a double Shift tap\nExec=\""
          << dastur_ << "\"\nIcon=harfnur\nTerminal=false\nX-GNOME-Autostart-enabled=true\n";
        if (!f.flush()) return std::strerror(errno);
    }
    std::filesystem::rename(vaqtincha, fayl(), xato);
    return xato ? std::optional<std::string>(xato.message()) : std::nullopt;
}

std::optional<std::string> XdgAvtoyuklash::royxatdanChiqar() {
    std::error_code xato;
    std::filesystem::remove(fayl(), xato);
    return xato ? std::optional<std::string>(xato.message()) : std::nullopt;
}

void SyslogJurnali::yoz(const std::string& satr) {
    ::syslog(LOG_USER | LOG_WARNING, "%s", satr.c_str());
}

bool QtSozlamalar::mantiqiy(std::string_view kalit) {
    QSettings s("Harfnur", "Harfnur");
    return s.value(QString::fromUtf8(kalit.data(), qsizetype(kalit.size())), false).toBool();
}

void QtSozlamalar::yoz(std::string_view kalit, bool qiymat) {
    QSettings s("Harfnur", "Harfnur");
    s.setValue(QString::fromUtf8(kalit.data(), qsizetype(kalit.size())), qiymat);
}

std::vector<std::string> QtSozlamalar::terminallar() {
    QSettings s("Harfnur", "Harfnur");
    std::vector<std::string> r;
    for (const QString& t : s.value("terminallar").toStringList()) r.push_back(t.toStdString());
    return r;
}

std::optional<std::filesystem::path> XdgJurnalJoyi::fayl() {
    const auto papka = xdg("XDG_STATE_HOME", ".local/state") / "Harfnur";
    if (!shaxsiyPapka(papka)) return std::nullopt;  // only ever while the log is on
    return papka / "Harfnur.log";
}

port::Mikro TizimSoati::hozir() {
    return std::chrono::duration_cast<port::Mikro>(std::chrono::steady_clock::now().time_since_epoch());
}

void TizimSoati::uxla(port::Mikro muddat) { std::this_thread::sleep_for(muddat); }

}  // namespace harfnur::linux_
