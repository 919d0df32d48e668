// The Windows clipboard. What we put there is put by the main thread, whose
// hidden window owns it; the sequence number is the change count. Reading
// asks the owner for each format, and an owner that hangs would hang the
// reader with the clipboard open: reads run on a thread of their own within
// a deadline, and an owner that does not answer a ping is asked nothing more.
#pragma once

#include <chrono>
#include <functional>
#include <string>

#include "platform/bufer.h"
#include "platform/windows/kechiktirilgan_mazmun.h"

namespace harfnur::windows_ {

class WinBufer final : public port::Bufer {
public:
    // After the main thread's window is made, on that thread: the clipboard
    // messages of the window come here.
    WinBufer();
    void jurnalQoy(std::function<void(const std::string&)> f) { jurnal_ = std::move(f); }
    std::int64_t ozgarishSoni() override;
    std::optional<std::string> matn() override;
    void tozala() override;
    // Our converted text, marked to stay out of clipboard history, the cloud
    // clipboard and clipboard monitors: it is there for a moment only.
    void matnYoz(const std::string& matn) override;
    using port::Bufer::olish;
    // Within olishMuddati in all, like the Linux backend; formats not read
    // in time are counted in `oqilmadi`.
    port::BuferNusxasi olish(const port::TurTanlovi& kerakmi) override;
    // The formats back in their order. The content was in history already,
    // so it is not added there a second time. A failure is logged.
    void qaytar(const port::BuferNusxasi& nusxa) override;
    // Marked like matnYoz, and with delayed rendering: a format's data is put
    // there when a program asks for it, so that the paste's reading is seen.
    void yoz(const std::string& matn, const port::BuferNusxasi& boylar) override;
    std::int64_t oqilishSoni() override;

    static constexpr std::chrono::milliseconds olishMuddati{250};
    // The copied text itself: a big selection may take its owner a while.
    static constexpr std::chrono::milliseconds matnMuddati{2000};
    // How long a write waits for another program to close the clipboard.
    static constexpr std::chrono::milliseconds ochishMuddati{1000};

private:
    void jurnal(const std::string& x) const {
        if (jurnal_) jurnal_(x);
    }

    KechiktirilganMazmun kechiktirilgan_;
    std::function<void(const std::string&)> jurnal_;
};

}  // namespace harfnur::windows_
