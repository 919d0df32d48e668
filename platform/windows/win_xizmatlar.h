// The smaller Windows services: the application object and its message
// loop, the alert, trust, the login item (the Run value), the system log,
// settings in the registry, the log's place, and time.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "platform/avtoyuklash_xizmati.h"
#include "platform/ilova_obyekti.h"
#include "platform/jurnal_joyi.h"
#include "platform/ogohlantirish.h"
#include "platform/ruxsat_xizmati.h"
#include "platform/soat.h"
#include "platform/sozlamalar.h"
#include "platform/tizim_jurnali.h"

namespace harfnur::windows_ {

// The loop ends on the menu's quit and on WM_CLOSE (taskkill without /F
// sends it to every top-level window); at the end of the session the
// program leaves from WM_ENDSESSION, as Windows may end it once that returns.
class WinIlova final : public port::IlovaObyekti {
public:
    void aksessuarQil() override {}  // the hidden window has no taskbar button anyway
    void faollashtir() override {}  // the window brings itself to the front when shown
    void tugat() override;
    int ishlat(std::function<void()> ishgaTushdi) override;
    void takroriyTaymer(double soniya, std::function<void()> tik) override;
    std::string dasturYoli() override;
    // A second start posts oynaniOchXabari() to the hidden window.
    void qaytaOchilganda(std::function<void()> f) override;
};

struct WinOgohlantirish final : port::Ogohlantirish {
    void korsat(const std::string& xabar, const std::string& izoh, const std::string& tugma) override;
};

// Windows asks for no permission to watch and post keys.
struct WinRuxsat final : port::RuxsatXizmati {
    bool ishonchlimi() override { return true; }
    void sorovKorsat() override {}
    bool manzilniOch(const std::string&) override { return false; }  // no settings page to open
};

// Keys cannot reach a window of a higher integrity level (a program run as
// administrator): there a conversion says so in the log and stops.
class OldingiOynaIshonchi final : public port::Ishonch {
public:
    explicit OldingiOynaIshonchi(std::function<void(const std::string&)> jurnal) : jurnal_(std::move(jurnal)) {}
    bool ishonchlimi() override;

private:
    std::function<void(const std::string&)> jurnal_;
    void* oxirgiRad_ = nullptr;  // the window last refused, logged once
};

// HKCU\Software\Microsoft\Windows\CurrentVersion\Run, value "Harfnur".
class WinAvtoyuklash final : public port::AvtoyuklashXizmati {
public:
    explicit WinAvtoyuklash(std::wstring dastur) : dastur_(std::move(dastur)) {}
    bool bormi() override { return true; }
    port::AvtoyuklashHolati holat() override;
    std::optional<std::string> royxatgaOl() override;
    std::optional<std::string> royxatdanChiqar() override;

private:
    std::wstring dastur_;
};

struct WinTizimJurnali final : port::TizimJurnali {
    void yoz(const std::string& satr) override;  // OutputDebugString
};

// HKCU\Software\Harfnur, DWORD values, read afresh on every call.
struct WinSozlamalar final : port::Sozlamalar {
    bool mantiqiy(std::string_view kalit) override;
    void yoz(std::string_view kalit, bool qiymat) override;
};

// %LOCALAPPDATA%\Harfnur\Harfnur.log
struct WinJurnalJoyi final : port::JurnalJoyi {
    std::optional<std::filesystem::path> fayl() override;
};

struct WinSoat final : port::Soat {
    port::Mikro hozir() override;
    void uxla(port::Mikro muddat) override;
    std::chrono::system_clock::time_point sana() override { return std::chrono::system_clock::now(); }
};

// The text of a Win32 error code.
std::string xatoMatni(unsigned long kod);

}  // namespace harfnur::windows_
