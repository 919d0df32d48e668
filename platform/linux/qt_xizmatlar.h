// The smaller Linux services: the application object, alerts, the
// permission, the login item (an XDG autostart entry), the system log,
// settings, the log's place, and time.
#pragma once

#include <QSettings>
#include <functional>
#include <filesystem>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

#include "platform/avtoyuklash_xizmati.h"
#include "platform/ilova_obyekti.h"
#include "platform/jurnal_joyi.h"
#include "platform/ogohlantirish.h"
#include "platform/ruxsat_xizmati.h"
#include "platform/soat.h"
#include "platform/sozlamalar.h"
#include "platform/tizim_jurnali.h"

class QTimer;
class QWidget;

namespace harfnur::linux_ {

class QtIlova final : public port::IlovaObyekti {
public:
    QtIlova();
    ~QtIlova() override;
    void aksessuarQil() override;
    void faollashtir() override;
    void tugat() override;
    int ishlat(std::function<void()> ishgaTushdi) override;
    void takroriyTaymer(double soniya, std::function<void()> tik) override;
    std::string dasturYoli() override;
    void qaytaOchilganda(std::function<void()> f) override { qaytaOchilganda_ = std::move(f); }

    // The program was started again, by a launcher that may have given it a
    // startup id (whose time lets the window come to the front).
    void qaytaOchildi(const std::string& boshlashId);

private:
    std::vector<std::unique_ptr<QTimer>> taymerlar_;
    std::function<void()> qaytaOchilganda_;
    std::string boshlashId_;
};

struct QtOgohlantirish final : port::Ogohlantirish {
    void korsat(const std::string& xabar, const std::string& izoh, const std::string& tugma) override;
};

// On X11 the "permission" is the display offering XInput 2.1 and XTEST;
// there is no prompt and no settings page to open. The answer is kept, as
// the poll asks every second; the guide's button asks the display again.
class X11Ruxsat final : public port::RuxsatXizmati {
public:
    bool ishonchlimi() override;
    void sorovKorsat() override;  // forgets the answer: the next poll asks again
    bool manzilniOch(const std::string&) override { return false; }

private:
    std::mutex m_;  // called from the main thread and the queue
    std::optional<bool> bor_;
};

class XdgAvtoyuklash final : public port::AvtoyuklashXizmati {
public:
    explicit XdgAvtoyuklash(std::string dastur) : dastur_(std::move(dastur)) {}
    bool bormi() override { return true; }
    port::AvtoyuklashHolati holat() override;
    std::optional<std::string> royxatgaOl() override;
    std::optional<std::string> royxatdanChiqar() override;
    static std::filesystem::path fayl();  // ~/.config/autostart/harfnur.desktop

private:
    std::string dastur_;
};

struct SyslogJurnali final : port::TizimJurnali {
    void yoz(const std::string& satr) override;
};

// ~/.config/Harfnur/Harfnur.conf, read afresh on every call.
struct QtSozlamalar final : port::Sozlamalar {
    bool mantiqiy(std::string_view kalit) override;
    void yoz(std::string_view kalit, bool qiymat) override;
    static std::vector<std::string> terminallar();  // the "terminallar" list, if set
};

struct XdgJurnalJoyi final : port::JurnalJoyi {
    std::optional<std::filesystem::path> fayl() override;
};

struct TizimSoati final : port::Soat {
    port::Mikro hozir() override;
    void uxla(port::Mikro muddat) override;
    std::chrono::system_clock::time_point sana() override { return std::chrono::system_clock::now(); }
};

}  // namespace harfnur::linux_
