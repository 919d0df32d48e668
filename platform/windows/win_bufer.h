// The Windows clipboard. Every call runs on the main thread, whose hidden
// window owns what we put there; the sequence number is the change count.
#pragma once

#include "platform/bufer.h"
#include "platform/windows/kechiktirilgan_mazmun.h"

namespace harfnur::windows_ {

class WinBufer final : public port::Bufer {
public:
    // After the main thread's window is made, on that thread: the clipboard
    // messages of the window come here.
    WinBufer();
    std::int64_t ozgarishSoni() override;
    std::optional<std::string> matn() override;
    void tozala() override;
    // Our converted text, marked to stay out of clipboard history, the cloud
    // clipboard and clipboard monitors: it is there for a moment only.
    void matnYoz(const std::string& matn) override;
    using port::Bufer::olish;
    port::BuferNusxasi olish(const port::TurTanlovi& kerakmi) override;
    // The formats back in their order. The content was in history already,
    // so it is not added there a second time.
    void qaytar(const port::BuferNusxasi& nusxa) override;
    // Marked like matnYoz, and with delayed rendering: a format's data is put
    // there when a program asks for it, so that the paste's reading is seen.
    void yoz(const std::string& matn, const port::BuferNusxasi& boylar) override;
    std::int64_t oqilishSoni() override;

private:
    KechiktirilganMazmun kechiktirilgan_;
};

}  // namespace harfnur::windows_
