// belgi-chiz: renders the app icon's SVG to PNG, one size or a whole
// .iconset folder for iconutil.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "tools/belgi/svg_rasm.h"

namespace {

const char* const yordam =
    "Usage: belgi-chiz [--chet F] SVG SIZE OUT.png\n"
    "       belgi-chiz [--chet F] --iconset SVG DIR.iconset\n"
    "Renders rect, circle and ellipse shapes of SVG; --chet leaves the fraction F\n"
    "of the side empty on each edge.\n";

bool yoz(const std::filesystem::path& yol, const std::string& malumot) {
    std::ofstream f(yol, std::ios::binary);
    f << malumot;
    return bool(f.flush());
}

}  // namespace

int main(int argc, char** argv) {
    using namespace harfnur::belgi;
    std::vector<std::string> a(argv + 1, argv + argc);
    double chet = 0;
    if (a.size() >= 2 && a[0] == "--chet") {
        char* oxir = nullptr;
        chet = std::strtod(a[1].c_str(), &oxir);
        if (*oxir != '\0' || !(chet >= 0 && chet < 0.5)) return std::cerr << "belgi-chiz: --chet wants 0 <= F < 0.5\n", 2;
        a.erase(a.begin(), a.begin() + 2);
    }
    const bool toplam = !a.empty() && a[0] == "--iconset";
    if (toplam) a.erase(a.begin());
    if (a.size() != (toplam ? 2u : 3u)) return std::cerr << yordam, 2;

    std::ifstream f(a[0], std::ios::binary);
    std::stringstream ss;
    ss << f.rdbuf();
    if (!f) return std::cerr << "belgi-chiz: cannot read " << a[0] << "\n", 1;
    std::string xato;
    const auto rasm = oqi(ss.str(), xato);
    if (!rasm) return std::cerr << "belgi-chiz: " << a[0] << ": " << xato << "\n", 1;

    if (!toplam) {
        const int olcham = std::atoi(a[1].c_str());
        if (olcham < 1 || olcham > 4096) return std::cerr << "belgi-chiz: SIZE must be 1 to 4096\n", 2;
        if (!yoz(a[2], png(chiz(*rasm, olcham, chet), olcham, olcham)))
            return std::cerr << "belgi-chiz: cannot write " << a[2] << "\n", 1;
        return 0;
    }
    std::error_code e;
    std::filesystem::create_directories(a[1], e);
    for (const auto& [nom, olcham] : ikonaToplami())
        if (!yoz(std::filesystem::path(a[1]) / nom, png(chiz(*rasm, olcham, chet), olcham, olcham)))
            return std::cerr << "belgi-chiz: cannot write " << a[1] << "/" << nom << "\n", 1;
    return 0;
}
