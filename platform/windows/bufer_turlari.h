// Which clipboard formats a snapshot keeps, how they are named in it, and
// how the ones held as GDI handles (the two metafile formats) become bytes.
// Other GDI handles and private handles cannot be copied; the formats Windows
// synthesizes (CF_TEXT from CF_UNICODETEXT, CF_DIB from CF_BITMAP, ...) come
// back by themselves from the one they were made from.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace harfnur::windows_ {

struct BuferTuri {
    unsigned id = 0;
    std::string nom;  // a registered format's name; empty for standard ones
    bool operator==(const BuferTuri&) const = default;
};

// How a format's data is held, and so how it is copied.
enum class TurShakli {
    xotira,    // global memory: the bytes as they are
    emf,       // CF_ENHMETAFILE: an HENHMETAFILE, copied as its bits
    wmf,       // CF_METAFILEPICT: memory holding an HMETAFILE, see metafaylRasmi
    olinmaydi  // other handles, private ones: not copied
};
TurShakli turShakli(unsigned id);

// `turlar` in the order EnumClipboardFormats gives them (the source's own
// formats first, synthesized ones after). Of a family Windows makes from one
// member, the first is kept; CF_UNICODETEXT is kept whenever offered, as an
// ANSI text made first would bring it back with '?' for what its code page
// lacks.
std::vector<BuferTuri> saqlanadiganTurlar(const std::vector<BuferTuri>& turlar);

// The name a format goes by in a snapshot: "#13" for a standard one, the
// registered name otherwise; and back (a registered name gives id 0).
std::string turYozuvi(const BuferTuri& t);
std::optional<BuferTuri> turOqi(const std::string& yozuv);

// CF_METAFILEPICT as bytes: the mapping mode and extents (three little-endian
// 32-bit numbers), then the metafile's bits.
struct MetafaylRasmi {
    std::int32_t mm = 0, x = 0, y = 0;
    std::string bitlar;
    bool operator==(const MetafaylRasmi&) const = default;
};
std::string metafaylRasminiYoz(const MetafaylRasmi& r);
std::optional<MetafaylRasmi> metafaylRasminiOqi(std::string_view baytlar);

// One snapshot's time: an owner is asked for a format only before the
// deadline and only while it answers. Times in milliseconds.
class NusxaMuddati {
public:
    explicit NusxaMuddati(std::int64_t oxir) : oxir_(oxir) {}
    // How long the owner may take to answer for the next format; 0 when it
    // is not to be asked at all.
    std::int64_t sorash(std::int64_t hozir) const;
    // It did not answer in time: nothing more is asked of it.
    void javobBermadi() { javobsiz_ = true; }

private:
    std::int64_t oxir_;
    bool javobsiz_ = false;
};

// Registered formats that keep our own temporary text out of clipboard
// history, the cloud clipboard, clipboard managers and clipboard monitors.
inline constexpr const char* tarixdanTashqari = "ExcludeClipboardContentFromMonitorProcessing";
inline constexpr const char* tarixgaKirsinmi = "CanIncludeInClipboardHistory";
inline constexpr const char* bulutgaKetsinmi = "CanUploadToCloudClipboard";
inline constexpr const char* korsatkichlarUchunEmas = "Clipboard Viewer Ignore";

}  // namespace harfnur::windows_
