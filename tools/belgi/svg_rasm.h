// A renderer for the few SVG shapes the app icon is drawn with, so the icon
// can be made at build time on any machine without an SVG library.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace harfnur::belgi {

struct Rang {
    std::uint8_t r = 0, g = 0, b = 0;
    bool operator==(const Rang&) const = default;
};

// One filled and/or stroked shape, in the drawing's user units.
struct Shakl {
    enum class Tur { tortburchak, ellips } tur = Tur::tortburchak;
    // tortburchak: x, y, en, boy, burchak radiuslari rx, ry
    // ellips: markaz cx, cy; radiuslar rx, ry
    double x = 0, y = 0, en = 0, boy = 0, cx = 0, cy = 0, rx = 0, ry = 0;
    std::optional<Rang> boyoq{Rang{}};  // fill; SVG's default is black
    std::optional<Rang> chiziq;          // stroke
    double qalinlik = 1;                 // stroke-width
};

struct Rasm {
    double vx = 0, vy = 0, ven = 0, vboy = 0;  // viewBox
    std::vector<Shakl> shakllar;               // in painting order
};

// Reads the subset: <svg> with viewBox (or width/height), <rect>, <circle>,
// <ellipse>, hex colours. Anything else is refused with a reason, so a richer
// icon fails the build instead of rendering wrong.
std::optional<Rasm> oqi(std::string_view svg, std::string& xato);

// Shortest distance from (px, py) to the outline of an ellipse centred at 0.
double ellipsgachaMasofa(double px, double py, double a, double b);

// RGBA, straight alpha, `olcham` x `olcham` pixels. The drawing is fitted,
// centred, into the square less `chet` (a fraction of the side) on each edge.
std::vector<std::uint8_t> chiz(const Rasm& rasm, int olcham, double chet);

// An 8-bit RGBA PNG file.
std::string png(const std::vector<std::uint8_t>& rgba, int en, int boy);

struct IkonaFayli {
    std::string nom;
    int olcham;
};
// The files an .iconset folder holds for iconutil, with their pixel sizes.
const std::vector<IkonaFayli>& ikonaToplami();

}  // namespace harfnur::belgi
