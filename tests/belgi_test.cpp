#include <gtest/gtest.h>
#include <zlib.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <numbers>
#include <set>
#include <sstream>

#include "tools/belgi/svg_rasm.h"

namespace harfnur::belgi {
namespace {

std::string ikonaSvg() {
    std::ifstream f(HARFNUR_BELGI_SVG, std::ios::binary);
    std::stringstream ss;
    ss << f.rdbuf();
    return ss.str();
}

Rasm ikona() {
    std::string xato;
    const auto r = oqi(ikonaSvg(), xato);
    EXPECT_TRUE(r) << xato;
    return r.value_or(Rasm{});
}

struct Piksel {
    std::uint8_t r, g, b, a;
};
Piksel piksel(const std::vector<std::uint8_t>& rgba, int olcham, int x, int y) {
    const auto* p = &rgba[(static_cast<std::size_t>(y) * olcham + x) * 4];
    return {p[0], p[1], p[2], p[3]};
}

TEST(Belgi, ReadsTheAppIcon) {
    const Rasm r = ikona();
    EXPECT_EQ(r.ven, 56);
    EXPECT_EQ(r.vboy, 56);
    ASSERT_EQ(r.shakllar.size(), 4u);
    const Shakl& kafel = r.shakllar[0];
    EXPECT_EQ(kafel.tur, Shakl::Tur::tortburchak);
    EXPECT_EQ(kafel.rx, 16);
    EXPECT_EQ(kafel.ry, 16);
    EXPECT_EQ(kafel.boyoq, (Rang{0xe0, 0xff, 0x33}));
    const Shakl& halqa = r.shakllar[1];
    EXPECT_EQ(halqa.tur, Shakl::Tur::ellips);
    EXPECT_FALSE(halqa.boyoq);
    EXPECT_EQ(halqa.chiziq, (Rang{0, 0, 0}));
    EXPECT_DOUBLE_EQ(halqa.qalinlik, 3.6);
    EXPECT_EQ(r.shakllar[3].rx, 2.3);
    EXPECT_EQ(r.shakllar[3].ry, 2.3);
}

TEST(Belgi, RefusesWhatItCannotDraw) {
    const struct {
        const char* svg;
        const char* sabab;
    } hollar[] = {
        {R"(<svg viewBox="0 0 4 4"><path d="M0 0h4"/></svg>)", "<path>"},
        {R"(<svg viewBox="0 0 4 4"><g><rect width="4" height="4"/></g></svg>)", "<g>"},
        {R"x(<svg viewBox="0 0 4 4"><rect width="4" height="4" transform="scale(2)"/></svg>)x", "transform"},
        {R"(<svg viewBox="0 0 4 4"><rect width="4" height="4" fill="red"/></svg>)", "fill"},
        {R"(<svg viewBox="0 0 4 4"><rect width="4mm" height="4"/></svg>)", "width"},
        {R"(<svg viewBox="0 0 4 4"><rect width="4" height="4" stroke="#000"/></svg>)", "stroke"},
        {R"(<svg viewBox="0 0 4 4"><circle r=2/></svg>)", "quoted"},
        {R"(<svg viewBox="0 0 4 4"><circle r="-2"/></svg>)", "r="},
        {R"(<svg><circle r="2"/></svg>)", "size"},
        {R"(<rect width="4" height="4"/>)", "<svg>"},
        {R"(<svg viewBox="0 0 4 4" opacity="0.5"></svg>)", "opacity"},
        {R"(<svg viewBox="0 0 4 4"><!-- open)", "unterminated"},
    };
    for (const auto& h : hollar) {
        std::string xato;
        EXPECT_FALSE(oqi(h.svg, xato)) << h.svg;
        EXPECT_NE(xato.find(h.sabab), std::string::npos) << h.svg << " -> " << xato;
    }
}

TEST(Belgi, ShortHexColoursAndSingleCornerRadius) {
    std::string xato;
    const auto r = oqi(R"(<svg width="8" height="6"><rect width="8" height="6" ry="2" fill="#0f8"/></svg>)", xato);
    ASSERT_TRUE(r) << xato;
    EXPECT_EQ(r->ven, 8);
    EXPECT_EQ(r->vboy, 6);
    EXPECT_EQ(r->shakllar[0].boyoq, (Rang{0, 0xff, 0x88}));
    EXPECT_EQ(r->shakllar[0].rx, 2);
}

TEST(Belgi, DistanceToAnEllipse) {
    constexpr double a = 9.6, b = 11.2;
    // Points off the curve along its normal, inside and out, all round.
    for (double t = 0; t < 2 * std::numbers::pi; t += 0.3)
        for (double d : {-1.8, -0.5, 0.0, 0.7, 2.5}) {
            const double nx = b * std::cos(t), ny = a * std::sin(t), n = std::hypot(nx, ny);
            const double px = a * std::cos(t) + d * nx / n, py = b * std::sin(t) + d * ny / n;
            EXPECT_NEAR(ellipsgachaMasofa(px, py, a, b), std::abs(d), 1e-6) << "t=" << t << " d=" << d;
            // The same ellipse with its axes swapped.
            EXPECT_NEAR(ellipsgachaMasofa(py, px, b, a), std::abs(d), 1e-6) << "t=" << t << " d=" << d;
        }
    EXPECT_NEAR(ellipsgachaMasofa(0, 0, a, b), a, 1e-9);  // the centre is nearest the minor axis
    EXPECT_NEAR(ellipsgachaMasofa(6, 8, 5, 5), 5, 1e-12);
    EXPECT_NEAR(ellipsgachaMasofa(3, 4, 5, 5), 0, 1e-12);
}

TEST(Belgi, DrawsTheTileTheRingAndTheDots) {
    const Rasm r = ikona();
    const auto rgba = chiz(r, 56, 0);  // one pixel per unit
    const auto kafel = [&](int x, int y) {
        const auto p = piksel(rgba, 56, x, y);
        return p.r == 0xe0 && p.g == 0xff && p.b == 0x33 && p.a == 255;
    };
    const auto qora = [&](int x, int y) {
        const auto p = piksel(rgba, 56, x, y);
        return p.r == 0 && p.g == 0 && p.b == 0 && p.a == 255;
    };
    EXPECT_EQ(piksel(rgba, 56, 0, 0).a, 0);      // outside the rounded corner
    EXPECT_EQ(piksel(rgba, 56, 55, 55).a, 0);
    EXPECT_TRUE(kafel(28, 1));                   // top edge between the corners
    EXPECT_TRUE(kafel(28, 32));                  // inside the ring
    EXPECT_TRUE(kafel(5, 32));
    EXPECT_TRUE(qora(27, 21));                   // the ring's top, y = 32.5 - 11.2
    EXPECT_TRUE(qora(18, 32));                   // its left side, x = 28 - 9.6
    EXPECT_TRUE(qora(23, 15));                   // the dots
    EXPECT_TRUE(qora(32, 15));
    EXPECT_TRUE(kafel(28, 15));                  // between them
}

TEST(Belgi, MarginAndEdgeCoverage) {
    std::string xato;
    const auto r = oqi(R"(<svg viewBox="0 0 10 10"><rect width="10" height="10" fill="#ffffff"/></svg>)", xato);
    ASSERT_TRUE(r) << xato;
    const auto rgba = chiz(*r, 10, 0.05);  // half a pixel empty on each edge
    EXPECT_EQ(piksel(rgba, 10, 5, 5).a, 255);
    EXPECT_EQ(piksel(rgba, 10, 0, 5).a, 128);
    EXPECT_EQ(piksel(rgba, 10, 9, 5).a, 128);
    EXPECT_EQ(piksel(rgba, 10, 0, 0).a, 64);
    EXPECT_EQ(piksel(rgba, 10, 0, 0).r, 255);  // colour is not darkened by coverage

    const auto katta = chiz(ikona(), 256, 25.0 / 256);
    EXPECT_EQ(piksel(katta, 256, 24, 128).a, 0);
    EXPECT_EQ(piksel(katta, 256, 25, 128).a, 255);
    EXPECT_EQ(piksel(katta, 256, 230, 128).a, 255);
    EXPECT_EQ(piksel(katta, 256, 231, 128).a, 0);
}

std::uint32_t be32(const std::string& s, std::size_t i) {
    std::uint32_t v = 0;
    for (int k = 0; k < 4; ++k) v = v << 8 | static_cast<unsigned char>(s[i + k]);
    return v;
}

TEST(Belgi, PngChunksAndPixelsRoundTrip) {
    const int en = 5, boy = 3;
    std::vector<std::uint8_t> rgba(en * boy * 4);
    for (std::size_t i = 0; i < rgba.size(); ++i) rgba[i] = static_cast<std::uint8_t>(i * 37);
    const std::string p = png(rgba, en, boy);
    ASSERT_EQ(p.substr(0, 8), std::string("\x89PNG\r\n\x1a\n", 8));
    std::vector<std::string> turlar;
    std::string idat, ihdr;
    for (std::size_t i = 8; i < p.size();) {
        const std::uint32_t n = be32(p, i);
        const std::string tur = p.substr(i + 4, 4), malumot = p.substr(i + 8, n);
        const auto crc = crc32(0, reinterpret_cast<const Bytef*>(p.data() + i + 4), n + 4);
        EXPECT_EQ(be32(p, i + 8 + n), crc) << tur;
        turlar.push_back(tur);
        if (tur == "IHDR") ihdr = malumot;
        if (tur == "IDAT") idat += malumot;
        i += 12 + n;
    }
    EXPECT_EQ(turlar, (std::vector<std::string>{"IHDR", "IDAT", "IEND"}));
    ASSERT_EQ(ihdr.size(), 13u);
    EXPECT_EQ(be32(ihdr, 0), 5u);
    EXPECT_EQ(be32(ihdr, 4), 3u);
    EXPECT_EQ(ihdr[8], 8);  // bit depth
    EXPECT_EQ(ihdr[9], 6);  // RGBA
    std::string xom(boy * (en * 4 + 1), '\0');
    uLongf n = xom.size();
    ASSERT_EQ(uncompress(reinterpret_cast<Bytef*>(xom.data()), &n, reinterpret_cast<const Bytef*>(idat.data()), idat.size()), Z_OK);
    ASSERT_EQ(n, xom.size());
    for (int j = 0; j < boy; ++j) {
        EXPECT_EQ(xom[j * (en * 4 + 1)], 0);
        EXPECT_EQ(xom.substr(j * (en * 4 + 1) + 1, en * 4),
                  std::string(reinterpret_cast<const char*>(&rgba[j * en * 4]), en * 4));
    }
}

// iconutil takes icon_<N>x<N>.png at N pixels and icon_<N>x<N>@2x.png at 2N.
TEST(Belgi, IconsetNamesMatchTheirSizes) {
    std::set<std::string> nomlar;
    std::set<int> olchamlar;
    for (const auto& f : ikonaToplami()) {
        int en = 0, boy = 0;
        char qolgan[16] = {};
        ASSERT_EQ(std::sscanf(f.nom.c_str(), "icon_%dx%d%15s", &en, &boy, qolgan), 3) << f.nom;
        const std::string oxiri = qolgan;
        ASSERT_TRUE(oxiri == ".png" || oxiri == "@2x.png") << f.nom;
        EXPECT_EQ(en, boy) << f.nom;
        EXPECT_EQ(f.olcham, en * (oxiri == "@2x.png" ? 2 : 1)) << f.nom;
        nomlar.insert(f.nom);
        olchamlar.insert(f.olcham);
    }
    EXPECT_EQ(nomlar.size(), 10u);
    EXPECT_EQ(olchamlar, (std::set<int>{16, 32, 64, 128, 256, 512, 1024}));
}

}  // namespace
}  // namespace harfnur::belgi
