#include "platform/windows/bufer_turlari.h"

#include <algorithm>
#include <charconv>

namespace harfnur::windows_ {
namespace {

// Standard formats (winuser.h).
enum : unsigned {
    cfText = 1, cfBitmap = 2, cfMetafilePict = 3, cfOemText = 7, cfDib = 8, cfPalette = 9, cfUnicodeText = 13,
    cfEnhMetafile = 14, cfDibV5 = 17, cfOwnerDisplay = 0x80, cfDspBitmap = 0x82, cfDspMetafilePict = 0x83,
    cfDspEnhMetafile = 0x8E, cfPrivateFirst = 0x200, cfGdiObjLast = 0x3FF, registeredFirst = 0xC000,
};

// Families whose members Windows makes from one another.
int oilasi(unsigned id) {
    switch (id) {
        case cfText: case cfOemText: case cfUnicodeText: return 1;
        case cfDib: case cfDibV5: return 2;
        default: return 0;
    }
}

bool dastakmi(unsigned id) {
    switch (id) {
        case cfBitmap: case cfMetafilePict: case cfPalette: case cfEnhMetafile: case cfOwnerDisplay:
        case cfDspBitmap: case cfDspMetafilePict: case cfDspEnhMetafile:
            return true;
        default:
            return id >= cfPrivateFirst && id <= cfGdiObjLast;
    }
}

// OLE's clipboard bookkeeping points at the source's objects: copied back
// after the source has let go, it would point at nothing.
bool oleBelgisimi(const std::string& nom) {
    return nom == "DataObject" || nom == "Ole Private Data" || nom == "OlePrivateData";
}

}  // namespace

std::vector<BuferTuri> saqlanadiganTurlar(const std::vector<BuferTuri>& turlar) {
    std::vector<BuferTuri> r;
    bool oila[3] = {};
    for (const BuferTuri& t : turlar) {
        if (dastakmi(t.id) || (t.id >= registeredFirst && oleBelgisimi(t.nom))) continue;
        if (std::any_of(r.begin(), r.end(), [&](const BuferTuri& x) { return x.id == t.id; })) continue;
        if (const int o = oilasi(t.id)) {
            if (oila[o]) continue;  // made by Windows from the first of its family
            oila[o] = true;
        }
        r.push_back(t);
    }
    return r;
}

std::string turYozuvi(const BuferTuri& t) {
    if (!t.nom.empty()) return t.nom;
    std::string r(1, '#');
    r += std::to_string(t.id);
    return r;
}

std::optional<BuferTuri> turOqi(const std::string& yozuv) {
    if (yozuv.empty()) return std::nullopt;
    if (yozuv[0] != '#') return BuferTuri{0, yozuv};
    unsigned id = 0;
    const char* oxir = yozuv.data() + yozuv.size();
    const auto [p, xato] = std::from_chars(yozuv.data() + 1, oxir, id);
    if (xato != std::errc() || p != oxir || id == 0 || id >= registeredFirst) return std::nullopt;
    return BuferTuri{id, ""};
}

}  // namespace harfnur::windows_
