// The few user-visible texts that depend on the platform: how the permission
// is granted, where the status item lives, and why a location is refused.
// Every other text is the same everywhere and lives with the core.
#pragma once

#include <optional>
#include <string>

namespace harfnur {

struct PlatformaMatnlari {
    // The permission step while the permission is missing.
    std::string ruxsatMatni =
        "Boşqa dasturlardagi matnni almaştiriş uçun macOS ruxsat söraydi. Tugmani bosing va ro'yxatda "
        "«Harfnur» ni yoqing.";
    std::string ruxsatTugmasi = "Ruxsat beriş";
    // The guide window's footer hint.
    std::string izoh = "Menyu satridagi «Ö» belgisi orqali qayta oçiş mumkin.";
    // One more line under the steps, when the platform has something to say
    // (a session where only part of the desktop is reachable, say).
    std::optional<std::string> eslatma;
    // The status item's tooltip, where the platform has more to say.
    std::optional<std::string> belgiIzohi;
    // The alert shown when the program runs from a place it must not.
    std::string joyXabari = "Avval Applications papkasiga sudrang";
    std::string joyIzohi =
        "«Harfnur» ni DMG oynasidagi Applications papkasiga sudrab taşlang, keyin uni Applications'dan oçing.";
    std::string joyTugmasi = "Tuşunarli";
};

}  // namespace harfnur
