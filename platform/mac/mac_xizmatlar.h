// The smaller macOS services: user defaults, the log file's place, the
// system log, time, and the application's identifier.
#pragma once

#include <string>

#include "platform/jurnal_joyi.h"
#include "platform/soat.h"
#include "platform/sozlamalar.h"
#include "platform/tizim_jurnali.h"

namespace harfnur::mac {

// The bundle identifier when the program runs outside its bundle.
inline constexpr const char* zaxiraIdentifikator = "uz.harfnur.Harfnur";

// The main bundle's identifier, or the one above. Any thread.
std::string ilovaIdentifikatori();

// The application's standard user defaults, read afresh on every call. Any
// thread.
struct NsSozlamalar final : port::Sozlamalar {
    bool mantiqiy(std::string_view kalit) override;
    void yoz(std::string_view kalit, bool qiymat) override;
};

// ~/Library/Logs/Harfnur.log; the folder is the system's and is not made.
// Any thread.
struct MacJurnalJoyi final : port::JurnalJoyi {
    std::optional<std::filesystem::path> fayl() override;
};

// One line through NSLog. Any thread.
struct NsTizimJurnali final : port::TizimJurnali {
    void yoz(const std::string& satr) override;
};

// Time since start-up, the base of the key events' timestamps; sleeps with
// usleep. Any thread.
struct MacSoati final : port::Soat {
    port::Mikro hozir() override;
    void uxla(port::Mikro muddat) override;
    std::chrono::system_clock::time_point sana() override { return std::chrono::system_clock::now(); }
};

}  // namespace harfnur::mac
