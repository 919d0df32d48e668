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
        case cfMetafilePict: case cfEnhMetafile: return 3;
        default: return 0;
    }
}

// OLE's clipboard bookkeeping points at the source's objects: copied back
// after the source has let go, it would point at nothing.
bool oleBelgisimi(const std::string& nom) {
    return nom == "DataObject" || nom == "Ole Private Data" || nom == "OlePrivateData";
}

void sonYoz(std::string& s, std::int32_t n) {
    const auto u = std::uint32_t(n);
    for (int i = 0; i < 4; ++i) s.push_back(char((u >> (8 * i)) & 0xFF));
}

std::int32_t sonOqi(std::string_view s, std::size_t joy) {
    std::uint32_t u = 0;
    for (int i = 0; i < 4; ++i) u |= std::uint32_t(static_cast<unsigned char>(s[joy + std::size_t(i)])) << (8 * i);
    return std::int32_t(u);
}

}  // namespace

TurShakli turShakli(unsigned id) {
    switch (id) {
        case cfEnhMetafile: return TurShakli::emf;
        case cfMetafilePict: return TurShakli::wmf;
        case cfBitmap: case cfPalette: case cfOwnerDisplay: case cfDspBitmap: case cfDspMetafilePict:
        case cfDspEnhMetafile:
            return TurShakli::olinmaydi;
        default:
            return id >= cfPrivateFirst && id <= cfGdiObjLast ? TurShakli::olinmaydi : TurShakli::xotira;
    }
}

std::vector<BuferTuri> saqlanadiganTurlar(const std::vector<BuferTuri>& turlar) {
    std::vector<BuferTuri> r;
    bool oila[4] = {};
    for (const BuferTuri& t : turlar) {
        if (turShakli(t.id) == TurShakli::olinmaydi || (t.id >= registeredFirst && oleBelgisimi(t.nom))) continue;
        if (std::any_of(r.begin(), r.end(), [&](const BuferTuri& x) { return x.id == t.id; })) continue;
        if (const int o = oilasi(t.id)) {
            // Made by Windows from the first of its family, but for Unicode
            // text, which may be the source's own and richer than the first.
            if (oila[o] && t.id != cfUnicodeText) continue;
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

std::string metafaylRasminiYoz(const MetafaylRasmi& r) {
    std::string s;
    sonYoz(s, r.mm);
    sonYoz(s, r.x);
    sonYoz(s, r.y);
    return s + r.bitlar;
}

std::optional<MetafaylRasmi> metafaylRasminiOqi(std::string_view baytlar) {
    if (baytlar.size() <= 12) return std::nullopt;  // a metafile has a header of its own
    return MetafaylRasmi{sonOqi(baytlar, 0), sonOqi(baytlar, 4), sonOqi(baytlar, 8), std::string(baytlar.substr(12))};
}

std::int64_t NusxaMuddati::sorash(std::int64_t hozir) const {
    if (javobsiz_ || hozir >= oxir_) return 0;
    return oxir_ - hozir;
}

}  // namespace harfnur::windows_
