#include "tools/belgi/svg_rasm.h"

#include <zlib.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <numbers>
#include <utility>

namespace harfnur::belgi {

namespace {

struct Teg {
    std::string nom;
    std::vector<std::pair<std::string, std::string>> atributlar;
};

bool boshlanadimi(std::string_view s, std::size_t i, std::string_view b) { return s.substr(i, b.size()) == b; }
bool boshliqmi(char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; }

// Start tags in document order; the declaration, comments, closing tags and
// text between tags are passed over.
bool teglar(std::string_view s, std::vector<Teg>& chiqish, std::string& xato) {
    std::size_t i = 0;
    while ((i = s.find('<', i)) != std::string_view::npos) {
        std::string_view oxiri = ">";
        if (boshlanadimi(s, i, "<!--")) oxiri = "-->";
        else if (boshlanadimi(s, i, "<?")) oxiri = "?>";
        if (oxiri != ">" || boshlanadimi(s, i, "<!") || boshlanadimi(s, i, "</")) {
            const auto e = s.find(oxiri, i + 2);
            if (e == std::string_view::npos) return xato = "unterminated markup", false;
            i = e + oxiri.size();
            continue;
        }
        Teg t;
        std::size_t j = i + 1;
        while (j < s.size() && !boshliqmi(s[j]) && s[j] != '>' && s[j] != '/') t.nom += s[j++];
        for (;;) {
            while (j < s.size() && boshliqmi(s[j])) ++j;
            if (j >= s.size()) return xato = "unterminated <" + t.nom + ">", false;
            if (s[j] == '>' || boshlanadimi(s, j, "/>")) break;
            std::string nom;
            while (j < s.size() && !boshliqmi(s[j]) && s[j] != '=' && s[j] != '>') nom += s[j++];
            while (j < s.size() && boshliqmi(s[j])) ++j;
            if (j >= s.size() || s[j] != '=') return xato = "attribute " + nom + " has no value", false;
            ++j;
            while (j < s.size() && boshliqmi(s[j])) ++j;
            if (j >= s.size() || (s[j] != '"' && s[j] != '\'')) return xato = "attribute " + nom + " is not quoted", false;
            const auto e = s.find(s[j], j + 1);
            if (e == std::string_view::npos) return xato = "attribute " + nom + " is not closed", false;
            t.atributlar.emplace_back(nom, std::string(s.substr(j + 1, e - j - 1)));
            j = e + 1;
        }
        chiqish.push_back(std::move(t));
        i = j;
    }
    return true;
}

bool son(const std::string& s, double& r) {
    const char* bosh = s.c_str();
    char* oxir = nullptr;
    r = std::strtod(bosh, &oxir);
    if (oxir == bosh) return false;
    const std::string_view qolgan(oxir);
    return (qolgan.empty() || qolgan == "px") && std::isfinite(r);
}

bool rang(const std::string& s, std::optional<Rang>& r) {
    if (s == "none") return r.reset(), true;
    if (s == "black") return r = Rang{0, 0, 0}, true;
    if (s == "white") return r = Rang{255, 255, 255}, true;
    if (s.size() != 4 && s.size() != 7) return false;
    if (s[0] != '#' || !std::all_of(s.begin() + 1, s.end(), [](char c) { return std::isxdigit(static_cast<unsigned char>(c)); }))
        return false;
    auto hex = [&](std::size_t i, std::size_t n) {
        const int v = std::stoi(s.substr(i, n), nullptr, 16);
        return static_cast<std::uint8_t>(n == 1 ? v * 17 : v);
    };
    const std::size_t n = s.size() == 4 ? 1 : 2;
    r = Rang{hex(1, n), hex(1 + n, n), hex(1 + 2 * n, n)};
    return true;
}

bool shakl(const Teg& t, Shakl& sh, std::string& xato) {
    const bool tortburchak = t.nom == "rect", doira = t.nom == "circle";
    sh.tur = tortburchak ? Shakl::Tur::tortburchak : Shakl::Tur::ellips;
    bool rxBor = false, ryBor = false;
    for (const auto& at : t.atributlar) {
        const std::string &nom = at.first, &qiymat = at.second;
        const auto yomon = [&] { return xato = "<" + t.nom + "> " + nom + "=\"" + qiymat + "\" is not supported", false; };
        if (nom == "fill" || nom == "stroke") {
            if (!rang(qiymat, nom == "fill" ? sh.boyoq : sh.chiziq)) return yomon();
            continue;
        }
        if (nom == "id") continue;
        double v = 0;
        if (!son(qiymat, v)) return yomon();
        if (nom == "stroke-width") sh.qalinlik = v;
        else if (tortburchak && nom == "x") sh.x = v;
        else if (tortburchak && nom == "y") sh.y = v;
        else if (tortburchak && nom == "width") sh.en = v;
        else if (tortburchak && nom == "height") sh.boy = v;
        else if (!tortburchak && nom == "cx") sh.cx = v;
        else if (!tortburchak && nom == "cy") sh.cy = v;
        else if (doira && nom == "r") sh.rx = sh.ry = v;
        else if (!doira && nom == "rx") sh.rx = v, rxBor = true;
        else if (!doira && nom == "ry") sh.ry = v, ryBor = true;
        else return yomon();
        if (v < 0 && nom != "x" && nom != "y" && nom != "cx" && nom != "cy") return yomon();
    }
    // A rect with one corner radius given uses it for both.
    if (tortburchak && rxBor != ryBor) (rxBor ? sh.ry : sh.rx) = rxBor ? sh.rx : sh.ry;
    if (tortburchak && sh.chiziq) return xato = "a stroke on <rect> is not supported", false;
    return true;
}

bool tortburchakIchidami(const Shakl& s, double x, double y) {
    if (x < s.x || x > s.x + s.en || y < s.y || y > s.y + s.boy) return false;
    const double rx = std::min(s.rx, s.en / 2), ry = std::min(s.ry, s.boy / 2);
    if (rx <= 0 || ry <= 0) return true;
    const double dx = (x - std::clamp(x, s.x + rx, s.x + s.en - rx)) / rx;
    const double dy = (y - std::clamp(y, s.y + ry, s.y + s.boy - ry)) / ry;
    return dx * dx + dy * dy <= 1;
}

bool ellipsIchidami(const Shakl& s, double x, double y) {
    if (s.rx <= 0 || s.ry <= 0) return false;
    const double dx = (x - s.cx) / s.rx, dy = (y - s.cy) / s.ry;
    return dx * dx + dy * dy <= 1;
}

bool chiziqUstidami(const Shakl& s, double x, double y) {
    const double yarim = s.qalinlik / 2;
    if (std::abs(x - s.cx) > s.rx + yarim || std::abs(y - s.cy) > s.ry + yarim) return false;
    return ellipsgachaMasofa(x - s.cx, y - s.cy, s.rx, s.ry) <= yarim;
}

void qosh(std::string& s, std::uint32_t v) {
    for (int i = 3; i >= 0; --i) s += static_cast<char>((v >> (8 * i)) & 0xff);
}

void bolak(std::string& png, const char* tur, const std::string& malumot) {
    qosh(png, static_cast<std::uint32_t>(malumot.size()));
    const std::string qism = std::string(tur, 4) + malumot;
    png += qism;
    qosh(png, static_cast<std::uint32_t>(crc32(0, reinterpret_cast<const Bytef*>(qism.data()), static_cast<uInt>(qism.size()))));
}

}  // namespace

std::optional<Rasm> oqi(std::string_view svg, std::string& xato) {
    std::vector<Teg> tt;
    if (!teglar(svg, tt, xato)) return std::nullopt;
    if (tt.empty() || tt.front().nom != "svg") return xato = "the document does not start with <svg>", std::nullopt;
    Rasm r;
    double en = 0, boy = 0;
    bool viewBox = false;
    for (const auto& [nom, qiymat] : tt.front().atributlar) {
        if (nom == "xmlns" || nom.starts_with("xmlns:") || nom == "version") continue;
        if (nom == "width" || nom == "height") {
            if (!son(qiymat, nom == "width" ? en : boy)) return xato = "<svg> " + nom + " is not a length in pixels", std::nullopt;
        } else if (nom == "viewBox") {
            std::string s = qiymat;
            std::replace(s.begin(), s.end(), ',', ' ');
            char* p = s.data();
            double* v[] = {&r.vx, &r.vy, &r.ven, &r.vboy};
            for (double* d : v) {
                char* oxir = nullptr;
                *d = std::strtod(p, &oxir);
                if (oxir == p) return xato = "viewBox needs four numbers", std::nullopt;
                p = oxir;
            }
            viewBox = true;
        } else {
            return xato = "<svg> attribute " + nom + " is not supported", std::nullopt;
        }
    }
    if (!viewBox) r.ven = en, r.vboy = boy;
    if (!(r.ven > 0 && r.vboy > 0)) return xato = "the drawing has no size", std::nullopt;
    for (std::size_t i = 1; i < tt.size(); ++i) {
        if (tt[i].nom != "rect" && tt[i].nom != "circle" && tt[i].nom != "ellipse")
            return xato = "element <" + tt[i].nom + "> is not supported", std::nullopt;
        Shakl sh;
        if (!shakl(tt[i], sh, xato)) return std::nullopt;
        r.shakllar.push_back(sh);
    }
    return r;
}

// Nearest point by the iteration on the evolute's curvature centres, which
// converges in a few steps for every point and both axis orders.
double ellipsgachaMasofa(double px, double py, double a, double b) {
    px = std::abs(px), py = std::abs(py);
    if (a == b) return std::abs(std::hypot(px, py) - a);
    double tx = std::numbers::sqrt2 / 2, ty = tx;
    for (int i = 0; i < 8; ++i) {
        const double x = a * tx, y = b * ty;
        const double ex = (a * a - b * b) * tx * tx * tx / a;
        const double ey = (b * b - a * a) * ty * ty * ty / b;
        const double r = std::hypot(x - ex, y - ey), q = std::hypot(px - ex, py - ey);
        if (q == 0) break;
        tx = std::clamp(((px - ex) * r / q + ex) / a, 0.0, 1.0);
        ty = std::clamp(((py - ey) * r / q + ey) / b, 0.0, 1.0);
        const double t = std::hypot(tx, ty);
        tx /= t, ty /= t;
    }
    return std::hypot(a * tx - px, b * ty - py);
}

std::vector<std::uint8_t> chiz(const Rasm& rasm, int olcham, double chet) {
    constexpr int n = 4;  // n x n samples per pixel
    std::vector<std::uint8_t> rgba(static_cast<std::size_t>(olcham) * olcham * 4, 0);
    const double ichki = olcham * (1 - 2 * chet);
    const double masshtab = ichki / std::max(rasm.ven, rasm.vboy);
    const double ox = olcham * chet + (ichki - rasm.ven * masshtab) / 2;
    const double oy = olcham * chet + (ichki - rasm.vboy * masshtab) / 2;
    for (int j = 0; j < olcham; ++j)
        for (int i = 0; i < olcham; ++i) {
            double yig[3] = {0, 0, 0};
            int qoplangan = 0;
            for (int sj = 0; sj < n; ++sj)
                for (int si = 0; si < n; ++si) {
                    const double x = rasm.vx + (i + (si + 0.5) / n - ox) / masshtab;
                    const double y = rasm.vy + (j + (sj + 0.5) / n - oy) / masshtab;
                    std::optional<Rang> r;
                    for (const auto& s : rasm.shakllar) {
                        const bool ichida = s.tur == Shakl::Tur::tortburchak ? tortburchakIchidami(s, x, y) : ellipsIchidami(s, x, y);
                        if (s.boyoq && ichida) r = s.boyoq;
                        if (s.chiziq && chiziqUstidami(s, x, y)) r = s.chiziq;
                    }
                    if (!r) continue;
                    ++qoplangan;
                    yig[0] += r->r, yig[1] += r->g, yig[2] += r->b;
                }
            auto* p = &rgba[(static_cast<std::size_t>(j) * olcham + i) * 4];
            if (qoplangan == 0) continue;
            for (int k = 0; k < 3; ++k) p[k] = static_cast<std::uint8_t>(std::lround(yig[k] / qoplangan));
            p[3] = static_cast<std::uint8_t>(std::lround(255.0 * qoplangan / (n * n)));
        }
    return rgba;
}

std::string png(const std::vector<std::uint8_t>& rgba, int en, int boy) {
    std::string xom;  // each row behind filter type 0
    xom.reserve(static_cast<std::size_t>(boy) * (en * 4 + 1));
    for (int j = 0; j < boy; ++j) {
        xom += '\0';
        xom.append(reinterpret_cast<const char*>(&rgba[static_cast<std::size_t>(j) * en * 4]), static_cast<std::size_t>(en) * 4);
    }
    uLongf uzunlik = compressBound(static_cast<uLong>(xom.size()));
    std::string siqilgan(uzunlik, '\0');
    compress2(reinterpret_cast<Bytef*>(siqilgan.data()), &uzunlik, reinterpret_cast<const Bytef*>(xom.data()),
              static_cast<uLong>(xom.size()), 9);
    siqilgan.resize(uzunlik);

    std::string ihdr;
    qosh(ihdr, static_cast<std::uint32_t>(en));
    qosh(ihdr, static_cast<std::uint32_t>(boy));
    ihdr += std::string("\x08\x06\x00\x00\x00", 5);  // 8-bit RGBA, deflate, no interlace
    std::string r = "\x89PNG\r\n\x1a\n";
    bolak(r, "IHDR", ihdr);
    bolak(r, "IDAT", siqilgan);
    bolak(r, "IEND", "");
    return r;
}

const std::vector<IkonaFayli>& ikonaToplami() {
    static const std::vector<IkonaFayli> t = [] {
        std::vector<IkonaFayli> r;
        for (int o : {16, 32, 128, 256, 512}) {
            const std::string asos = "icon_" + std::to_string(o) + "x" + std::to_string(o);
            r.push_back({asos + ".png", o});
            r.push_back({asos + "@2x.png", 2 * o});
        }
        return r;
    }();
    return t;
}

}  // namespace harfnur::belgi
