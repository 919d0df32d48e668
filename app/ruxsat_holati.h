// The two facts the interface shows and reacts to: whether the permission is
// granted, and whether the application starts at login.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "platform/avtoyuklash_xizmati.h"
#include "platform/bufer_ruxsati.h"
#include "platform/ilova_obyekti.h"
#include "platform/ruxsat_xizmati.h"
#include "platform/tizim_jurnali.h"

namespace harfnur {

// The settings page of the Accessibility permission.
inline constexpr const char* ruxsatSozlamalari =
    "x-apple.systempreferences:com.apple.preference.security?Privacy_Accessibility";
// The settings page of pasting from other applications (macOS 15.4); a
// system that does not know the anchor opens Privacy & Security.
inline constexpr const char* buferSozlamalari =
    "x-apple.systempreferences:com.apple.preference.security?Privacy_Pasteboard";

class RuxsatHolati : public std::enable_shared_from_this<RuxsatHolati> {
public:
    struct Xizmatlar {
        port::RuxsatXizmati& ruxsat;
        port::AvtoyuklashXizmati& avtoyuklash;
        port::TizimJurnali& tizimJurnali;
        port::IlovaObyekti& ilova;  // for the poll timer
        // The pasteboard setting, where the platform has one.
        std::function<port::BuferRuxsati()> buferRuxsati = {};
    };
    // Reads both facts and starts the one-second permission poll.
    static std::shared_ptr<RuxsatHolati> yarat(Xizmatlar x);

    bool ruxsat() const { return ruxsat_; }
    bool avtoyuklash() const { return avtoyuklash_; }
    port::BuferRuxsati bufer() const { return bufer_; }
    // Called on the main thread at each change from not granted to granted.
    std::function<void()> ruxsatBerildi;

    // The system's prompt on the first asking of this run; the settings
    // page on every later one (where there is none, the prompt again). Never
    // both at once: the prompt has its own button to the page.
    void sora();
    void buferSozlamalariniOch();
    void avtoyuklashniOrnat(bool yoq);  // register or unregister, then read back

    // Observers are called after a real change of the permission or of the
    // pasteboard setting, and after every read-back of the login item,
    // changed or not.
    using KuzatuvchiBelgisi = int;
    KuzatuvchiBelgisi kuzat(std::function<void()> f);
    void kuzatma(KuzatuvchiBelgisi b);

private:
    explicit RuxsatHolati(Xizmatlar x) : x_(x) {}
    void tik();
    void avtoyuklashniOqi();
    void xabarBer();

    Xizmatlar x_;
    bool ruxsat_ = false;
    bool avtoyuklash_ = false;
    port::BuferRuxsati bufer_ = port::BuferRuxsati::yoq;
    bool soraldi_ = false;
    std::vector<std::pair<KuzatuvchiBelgisi, std::function<void()>>> kuzatuvchilar_;
    KuzatuvchiBelgisi keyingi_ = 1;
};

}  // namespace harfnur
