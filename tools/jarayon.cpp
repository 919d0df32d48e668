#include "tools/jarayon.h"

#include <cstdio>

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
    std::fprintf(stderr, "\r\033[K%s: %.0f / %.0f MB, %.0f MB/s", nom_.c_str(), double(bajarildi_) / mb,
                 double(jami_) / mb, s > 0 ? double(bajarildi_) / mb / s : 0.0);
    std::fflush(stderr);
}

void Jarayon::tugat() {
    if (!faol_) return;
    std::fputs("\r\033[K", stderr);  // the line goes; the terminal is left as it was
    std::fflush(stderr);
    faol_ = false;
}

}  // namespace harfnur::ogiruvchi
