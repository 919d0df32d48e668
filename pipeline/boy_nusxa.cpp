#include "pipeline/boy_nusxa.h"

#include <algorithm>
#include <array>

#include "boymatn/cf_html.h"
#include "boymatn/html.h"
#include "boymatn/rtf.h"

namespace harfnur {
namespace {

struct Nom {
    std::string_view nom;
    TurSinfi sinf;
};

// Exact names across the three platforms; they never collide.
constexpr std::array nomlar{
    // X11
    Nom{"UTF8_STRING", TurSinfi::matn},
    Nom{"STRING", TurSinfi::matn},
    Nom{"TEXT", TurSinfi::matn},
    Nom{"COMPOUND_TEXT", TurSinfi::matn},
    Nom{"text/html", TurSinfi::html},
    Nom{"text/rtf", TurSinfi::rtf},
    Nom{"text/richtext", TurSinfi::rtf},
    Nom{"application/rtf", TurSinfi::rtf},
    Nom{"application/x-rtf", TurSinfi::rtf},
    Nom{"text/uri-list", TurSinfi::hujjat},
    Nom{"x-special/gnome-copied-files", TurSinfi::hujjat},
    Nom{"application/pdf", TurSinfi::hujjat},
    // macOS
    Nom{"public.utf8-plain-text", TurSinfi::matn},
    Nom{"public.utf16-plain-text", TurSinfi::matn},
    Nom{"public.utf16-external-plain-text", TurSinfi::matn},
    Nom{"public.plain-text", TurSinfi::matn},
    Nom{"NSStringPboardType", TurSinfi::matn},
    Nom{"public.html", TurSinfi::html},
    Nom{"Apple HTML pasteboard type", TurSinfi::html},
    Nom{"public.rtf", TurSinfi::rtf},
    Nom{"NeXT Rich Text Format v1.0 pasteboard type", TurSinfi::rtf},
    Nom{"com.apple.flat-rtfd", TurSinfi::boyroq},
    Nom{"com.apple.rtfd", TurSinfi::boyroq},
    Nom{"NeXT RTFD pasteboard type", TurSinfi::boyroq},
    Nom{"com.apple.webarchive", TurSinfi::boyroq},
    Nom{"Apple Web Archive pasteboard type", TurSinfi::boyroq},
    Nom{"public.tiff", TurSinfi::hujjat},
    Nom{"public.png", TurSinfi::hujjat},
    Nom{"public.jpeg", TurSinfi::hujjat},
    Nom{"com.compuserve.gif", TurSinfi::hujjat},
    Nom{"com.adobe.pdf", TurSinfi::hujjat},
    Nom{"NSTIFFPboardType", TurSinfi::hujjat},
    Nom{"NSPDFPboardType", TurSinfi::hujjat},
    Nom{"public.file-url", TurSinfi::hujjat},
    Nom{"NSFilenamesPboardType", TurSinfi::hujjat},
    Nom{"com.apple.pict", TurSinfi::hujjat},
    // Windows: standard formats by number, registered ones by name
    Nom{"#1", TurSinfi::matn},    // CF_TEXT
    Nom{"#7", TurSinfi::matn},    // CF_OEMTEXT
    Nom{"#13", TurSinfi::matn},   // CF_UNICODETEXT
    Nom{"#2", TurSinfi::hujjat},  // CF_BITMAP
    Nom{"#3", TurSinfi::hujjat},  // CF_METAFILEPICT
    Nom{"#8", TurSinfi::hujjat},  // CF_DIB
    Nom{"#9", TurSinfi::hujjat},  // CF_PALETTE
    Nom{"#14", TurSinfi::hujjat}, // CF_ENHMETAFILE
    Nom{"#15", TurSinfi::hujjat}, // CF_HDROP
    Nom{"#17", TurSinfi::hujjat}, // CF_DIBV5
    Nom{"HTML Format", TurSinfi::cfHtml},
    Nom{"Rich Text Format", TurSinfi::rtf},
    Nom{"Rich Text Format Without Objects", TurSinfi::rtf},
    Nom{"RTF As Text", TurSinfi::rtf},
    Nom{"PNG", TurSinfi::hujjat},
    Nom{"JFIF", TurSinfi::hujjat},
    Nom{"GIF", TurSinfi::hujjat},
    Nom{"Art::GVML ClipFormat", TurSinfi::hujjat},
    Nom{"Embed Source", TurSinfi::hujjat},
    Nom{"Embedded Object", TurSinfi::hujjat},
    Nom{"Link Source", TurSinfi::hujjat},
    Nom{"Native", TurSinfi::hujjat},
    Nom{"OwnerLink", TurSinfi::hujjat},
    Nom{"ObjectLink", TurSinfi::hujjat},
    Nom{"Office Drawing Shape Format", TurSinfi::hujjat},
    Nom{"Biff8", TurSinfi::hujjat},
    Nom{"Biff12", TurSinfi::hujjat},
    Nom{"XML Spreadsheet", TurSinfi::hujjat},
    Nom{"FileGroupDescriptorW", TurSinfi::hujjat},
    Nom{"FileContents", TurSinfi::hujjat},
    Nom{"Shell IDList Array", TurSinfi::hujjat},
};

constexpr std::array<std::string_view, 4> hujjatBoshlari{
    "image/",                           // any picture
    "application/x-openoffice-",        // LibreOffice's own document and drawing formats
    "application/vnd.oasis.opendocument.",
    "application/x-qt-image",
};

// Where editors built on Chromium keep their own clipboard types.
constexpr std::array<std::string_view, 5> muharrirTurlari{
    "vscode-editor-data",
    "application/vnd.code.copymetadata",
    "chromium/x-web-custom-data",
    "org.chromium.web-custom-data",
    "Chromium Web Custom MIME Data Format",
};

bool bormi(std::string_view baytlar, std::string_view utf8) {
    if (baytlar.find(utf8) != std::string_view::npos) return true;
    // Chromium's custom data holds its strings in UTF-16.
    std::string utf16;
    for (const char c : utf8) {
        utf16 += c;
        utf16 += '\0';
    }
    return baytlar.find(utf16) != std::string_view::npos;
}

}  // namespace

TurSinfi turSinfi(std::string_view tur) {
    for (const Nom& n : nomlar)
        if (n.nom == tur) return n.sinf;
    if (tur.starts_with("text/plain")) return TurSinfi::matn;  // with or without a charset
    for (const auto b : hujjatBoshlari)
        if (tur.starts_with(b)) return TurSinfi::hujjat;
    return TurSinfi::belgi;
}

bool oqiladiganTurmi(std::string_view tur) {
    const TurSinfi s = turSinfi(tur);
    return s == TurSinfi::html || s == TurSinfi::cfHtml || s == TurSinfi::rtf;
}

bool muharrirTurimi(std::string_view tur) {
    return std::find(muharrirTurlari.begin(), muharrirTurlari.end(), tur) != muharrirTurlari.end();
}

bool bosTanlovdanmi(const port::BuferNusxasi& nusxa) {
    for (const auto& [tur, baytlar] : nusxa.turlar) {
        if (muharrirTurimi(tur) && bormi(baytlar, "\"isFromEmptySelection\":true")) return true;
    }
    return false;
}

BoyYozuv boylarniOgir(const port::BuferNusxasi& nusxa, bool kirillmi) {
    BoyYozuv r;
    // The names offered; a backend that lists none has read them all.
    if (nusxa.taklif.empty() && nusxa.oqilmadi > 0) {
        r.rad = "turlar o'qilmadi";  // not even the list came: what it held is unknown
        return r;
    }
    std::vector<std::string> taklif = nusxa.taklif;
    if (taklif.empty())
        for (const auto& [tur, _] : nusxa.turlar) taklif.push_back(tur);
    if (std::find(taklif.begin(), taklif.end(), std::string()) != taklif.end()) {
        r.rad = "bir necha band";  // one paste cannot put several items back
        return r;
    }
    std::vector<std::pair<std::string, std::string>> rtflar, htmllar;
    std::string hujjat;  // the first picture or document type offered
    for (const std::string& tur : taklif) {
        const TurSinfi s = turSinfi(tur);
        if (s == TurSinfi::boyroq) {
            r.rad = tur + " saqlanmaydi";
            return r;
        }
        if (s == TurSinfi::hujjat && hujjat.empty()) hujjat = tur;
        if (s != TurSinfi::html && s != TurSinfi::cfHtml && s != TurSinfi::rtf) continue;
        if (std::any_of(rtflar.begin(), rtflar.end(), [&](const auto& x) { return x.first == tur; }) ||
            std::any_of(htmllar.begin(), htmllar.end(), [&](const auto& x) { return x.first == tur; }))
            continue;  // offered twice
        const auto bayt = std::find_if(nusxa.turlar.begin(), nusxa.turlar.end(),
                                       [&](const auto& x) { return x.first == tur; });
        if (bayt == nusxa.turlar.end()) {
            r.rad = tur + " o'qilmadi";
            return r;
        }
        std::optional<std::string> ogirildi;
        if (s == TurSinfi::rtf)
            ogirildi = boymatn::rtfOgir(bayt->second, kirillmi);
        else if (s == TurSinfi::html)
            ogirildi = boymatn::htmlOgir(bayt->second, kirillmi);
        else
            ogirildi = boymatn::cfHtmlOgir(bayt->second, kirillmi);
        if (!ogirildi) {
            r.rad = tur + " o'girilmadi";
            return r;
        }
        (s == TurSinfi::rtf ? rtflar : htmllar).emplace_back(tur, std::move(*ogirildi));
    }
    if (rtflar.empty() && htmllar.empty() && !hujjat.empty()) {
        r.rad = hujjat + " saqlanmaydi";
        return r;
    }
    // RTF carries pictures inside itself; HTML only points at them.
    for (auto& x : rtflar) r.boylar.turlar.push_back(std::move(x));
    for (auto& x : htmllar) r.boylar.turlar.push_back(std::move(x));
    return r;
}

}  // namespace harfnur
