#include "platform/linux/bufer_turlari.h"

#include <algorithm>
#include <array>

namespace harfnur::linux_ {
namespace {

// Protocol targets and server resources: nothing to keep.
constexpr std::array<std::string_view, 16> malumotEmas = {
    "TARGETS", "MULTIPLE", "TIMESTAMP", "SAVE_TARGETS", "DELETE", "INSERT_PROPERTY", "INSERT_SELECTION",
    "LENGTH", "PIXMAP", "BITMAP", "DRAWABLE", "COLORMAP", "ATOM_PAIR", "CLIENT_WINDOW", "HOST_NAME",
    "USER",
};
// Made again by the restored owner from the plain text.
constexpr std::array<std::string_view, 2> matndan = {"TEXT", "COMPOUND_TEXT"};

bool bormi(const std::vector<std::string>& v, std::string_view s) { return std::find(v.begin(), v.end(), s) != v.end(); }

}  // namespace

std::optional<SaqlanadiganTur> saqlanadiganTur(std::string_view nom, const std::vector<std::string>& hammasi) {
    if (nom.empty()) return std::nullopt;
    if (std::find(malumotEmas.begin(), malumotEmas.end(), nom) != malumotEmas.end()) return std::nullopt;
    if (std::find(matndan.begin(), matndan.end(), nom) != matndan.end()) return std::nullopt;
    // Qt's own handles to what it also offers under standard names.
    if (nom.starts_with("application/x-qt-")) return std::nullopt;
    // Qt offers text/x-moz-url only from a text/uri-list of its own.
    if (nom == "text/x-moz-url") return std::nullopt;
    // One plain text, the best one offered: Qt serves it again as
    // UTF8_STRING, text/plain, STRING and TEXT.
    if (nom == "UTF8_STRING") return SaqlanadiganTur{"text/plain"};
    if (nom == "text/plain") {
        if (bormi(hammasi, "UTF8_STRING")) return std::nullopt;
        return SaqlanadiganTur{"text/plain"};
    }
    if (nom == "STRING") {
        if (bormi(hammasi, "UTF8_STRING") || bormi(hammasi, "text/plain")) return std::nullopt;
        return SaqlanadiganTur{"text/plain", true};
    }
    return SaqlanadiganTur{std::string(nom)};
}

std::string latin1danUtf8(std::string_view baytlar) {
    std::string r;
    r.reserve(baytlar.size());
    for (const char c : baytlar) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x80) {
            r.push_back(c);
        } else {
            r.push_back(char(0xC0 | (b >> 6)));
            r.push_back(char(0x80 | (b & 0x3F)));
        }
    }
    return r;
}

}  // namespace harfnur::linux_
