// The two facts the interface shows and reacts to: whether the permission is
// granted, and whether the application starts at login.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "platform/avtoyuklash_xizmati.h"
#include "platform/ilova_obyekti.h"
#include "platform/ruxsat_xizmati.h"
#include "platform/tizim_jurnali.h"

namespace harfnur {

// The settings page of the Accessibility permission.
inline constexpr const char* ruxsatSozlamalari =
    "x-apple.systempreferences:com.apple.preference.security?Privacy_Accessibility";

class RuxsatHolati : public std::enable_shared_from_this<RuxsatHolati> {
public:
    struct Xizmatlar {
        port::RuxsatXizmati& ruxsat;
        port::AvtoyuklashXizmati& avtoyuklash;
        port::TizimJurnali& tizimJurnali;
        port::IlovaObyekti& ilova;  // for the poll timer
    };
    // Reads both facts and starts the one-second permission poll.
    static std::shared_ptr<RuxsatHolati> yarat(Xizmatlar x);

    bool ruxsat() const { return ruxsat_; }
    bool avtoyuklash() const { return avtoyuklash_; }
    // Called on the main thread at each change from not granted to granted.
    std::function<void()> ruxsatBerildi;

    void sora();                       // the system prompt, then the settings page
    void avtoyuklashniOrnat(bool yoq);  // register or unregister, then read back

    // Observers are called after a real change of the permission, and after
    // every read-back of the login item, changed or not.
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
    std::vector<std::pair<KuzatuvchiBelgisi, std::function<void()>>> kuzatuvchilar_;
    KuzatuvchiBelgisi keyingi_ = 1;
};

}  // namespace harfnur
