// Which clipboard formats a snapshot keeps, and how they are named in it.
// Only formats whose data is global memory can be copied byte for byte;
// GDI handles and private handles cannot, and the formats Windows
// synthesizes (CF_TEXT from CF_UNICODETEXT, CF_DIB from CF_BITMAP, ...)
// come back by themselves from the one they were made from.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace harfnur::windows_ {

struct BuferTuri {
    unsigned id = 0;
    std::string nom;  // a registered format's name; empty for standard ones
    bool operator==(const BuferTuri&) const = default;
};

// `turlar` in the order EnumClipboardFormats gives them (the source's own
// formats first, synthesized ones after).
std::vector<BuferTuri> saqlanadiganTurlar(const std::vector<BuferTuri>& turlar);

// The name a format goes by in a snapshot: "#13" for a standard one, the
// registered name otherwise; and back (a registered name gives id 0).
std::string turYozuvi(const BuferTuri& t);
std::optional<BuferTuri> turOqi(const std::string& yozuv);

// Registered formats that keep our own temporary text out of clipboard
// history, the cloud clipboard and clipboard monitors.
inline constexpr const char* tarixdanTashqari = "ExcludeClipboardContentFromMonitorProcessing";
inline constexpr const char* tarixgaKirsinmi = "CanIncludeInClipboardHistory";
inline constexpr const char* bulutgaKetsinmi = "CanUploadToCloudClipboard";

}  // namespace harfnur::windows_
