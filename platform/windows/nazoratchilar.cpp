#include "platform/windows/nazoratchilar.h"

#include <algorithm>

namespace harfnur::windows_ {

void IlmoqNazorati::tugmaKorildi(std::uint32_t vaqt) {
    oxirgi_ = vaqt;
    chegara_ = boshlangichChegara;
}

bool IlmoqNazorati::tekshir(std::uint32_t hozir, std::uint32_t oxirgiKiritish) {
    // Differences, not comparisons: the tick count wraps every 49.7 days.
    const auto keyin = std::int32_t(oxirgiKiritish - oxirgi_);
    if (keyin < 0 || std::uint32_t(keyin) < chegara_) return false;
    oxirgi_ = hozir;
    chegara_ = std::min(chegara_ * 2, engKattaChegara);
    return true;
}

std::uint32_t belgiUrinishOraligi(int urinish) {
    if (urinish < 1) urinish = 1;
    return urinish >= 6 ? 30'000 : 1'000u << (urinish - 1);
}

}  // namespace harfnur::windows_
