#include "pipeline/shift_kuzatuvchi.h"

#include <algorithm>
#include <charconv>
#include <string_view>

#include "pipeline/imlochi.h"
#include "pipeline/jurnal.h"

namespace harfnur {

std::shared_ptr<ShiftKuzatuvchi> ShiftKuzatuvchi::yarat(const Platforma& p) {
    return std::shared_ptr<ShiftKuzatuvchi>(new ShiftKuzatuvchi(p));
}

void ShiftKuzatuvchi::boshla() {
    if (!monitorlar.empty()) return;
    jurnal(p_, "Shift kuzatuvi boshlandi");
    // The monitors outlive nothing they point at: they hold the watcher weakly.
    std::weak_ptr<ShiftKuzatuvchi> zaif = weak_from_this();
    auto ishlovchi = [zaif](const TugmaHodisasi& h) {
        if (auto k = zaif.lock()) k->qabul(h);
    };
    if (auto m = p_.kuzatuv.globalKuzat(hodisa::niqob, ishlovchi)) monitorlar.push_back(*m);
    if (auto m = p_.kuzatuv.mahalliyKuzat(hodisa::niqob, ishlovchi)) monitorlar.push_back(*m);
}

void ShiftKuzatuvchi::qabul(const TugmaHodisasi& h) {
    const bool shiftBosilgan = (h.bayroqlar & hodisa::shiftBayrogi) != 0;
    if (h.tur == hodisa::bayroqlarOzgardi) {
        // Built on the stack: this runs for every modifier change.
        char satr[64] = "flagsChanged kod=";
        constexpr std::size_t bosh = sizeof "flagsChanged kod=" - 1;
        char* oxir = std::to_chars(satr + bosh, satr + 24, h.kod).ptr;
        const std::string_view qolgan = shiftBosilgan ? " shift=true" : " shift=false";
        oxir = std::copy(qolgan.begin(), qolgan.end(), oxir);
        jurnal(p_, std::string_view(satr, std::size_t(oxir - satr)));
    }
    bool shiftmi, pastga;
    if (h.tur == hodisa::tugmaBosildi) {
        shiftmi = false;
        pastga = true;
    } else if (h.tur == hodisa::bayroqlarOzgardi) {
        shiftmi = h.kod == hodisa::chapShift || h.kod == hodisa::ongShift;
        pastga = shiftmi ? shiftBosilgan : true;
    } else {
        return;
    }
    if (aniqlovchi.hodisa(shiftmi, pastga, h.vaqt)) {
        const Platforma* p = &p_;
        p_.navbat.qosh([p] { Imlochi::maydonniOgir(*p); });
    }
}

}  // namespace harfnur
