#include "tools/qayta_urinish.h"

namespace harfnur::ogiruvchi {

namespace {
// winerror.h, kept here so the decision builds and is tested anywhere.
constexpr unsigned long kirishRadEtildi = 5, ulashishBuzildi = 32, qulfBuzildi = 33;
constexpr int urinishlar = 8;  // 10 + 20 + ... + 640 ms: about 1.3 s in all
}  // namespace

int almashtirishKutishi(unsigned long xato, bool faqatOqish, int urinish) {
    const bool otkinchi = xato == ulashishBuzildi || xato == qulfBuzildi || (xato == kirishRadEtildi && !faqatOqish);
    if (!otkinchi || urinish < 1 || urinish >= urinishlar) return -1;
    return 10 << (urinish - 1);
}

}  // namespace harfnur::ogiruvchi
