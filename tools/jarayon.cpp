#include "tools/jarayon.h"

#include <cstdio>

#include "tools/konsol.h"

namespace harfnur::ogiruvchi {

namespace {
constexpr std::size_t chegara = std::size_t(64) << 20;
constexpr double mb = 1 << 20;
}  // namespace

void Jarayon::boshla(const std::string& nom, std::size_t jami) {
    faol_ = yoqilgan_ && jami > chegara;
    if (!faol_) return;
    nom_ = nom;
    jami_ = jami;
    bajarildi_ = 0;
    bosh_ = oxirgi_ = std::chrono::steady_clock::now();
    chiz();
}

void Jarayon::qosh(std::size_t bayt) {
    if (!faol_) return;
    bajarildi_ += bayt;
    const auto hozir = std::chrono::steady_clock::now();
    if (hozir - oxirgi_ < std::chrono::milliseconds(200) && bajarildi_ < jami_) return;
    oxirgi_ = hozir;
    chiz();
}

void Jarayon::chiz() {
    const double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - bosh_).count();
    char sonlar[96];
    std::snprintf(sonlar, sizeof sonlar, ": %.0f / %.0f MB, %.0f MB/s", double(bajarildi_) / mb, double(jami_) / mb,
                  s > 0 ? double(bajarildi_) / mb / s : 0.0);
    matnChiqar(stderr, "\r\033[K" + nom_ + sonlar);
}

void Jarayon::tugat() {
    if (!faol_) return;
    matnChiqar(stderr, "\r\033[K");  // the line goes; the terminal is left as it was
    faol_ = false;
}

}  // namespace harfnur::ogiruvchi
