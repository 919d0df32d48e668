#include "app/kirish.h"

#include <ostream>
#include <string_view>

#include "app/ilova.h"
#include "pipeline/imlochi.h"

namespace harfnur {

namespace {
// Kept for the life of the process; the application object does not own it.
std::shared_ptr<Ilova> delegat;
}  // namespace

bool sinovmi(int argc, const char* const* argv) {
    for (int i = 0; i < argc; ++i)
        if (std::string_view(argv[i]) == sinovKaliti) return true;
    return false;
}

int sinovIkkiShift(const Platforma& p, std::ostream& chiqish) {
    using std::chrono::microseconds;
    for (int marta = 0; marta < 2; ++marta) {
        p.tugmalar.modifikator(hodisa::chapShift, true, hodisa::shiftBayrogi);
        p.soat.uxla(microseconds(60'000));
        p.tugmalar.modifikator(hodisa::chapShift, false, 0);
        p.soat.uxla(microseconds(60'000));
        p.soat.uxla(microseconds(120'000));
    }
    p.soat.uxla(std::chrono::seconds(3));
    Imlochi::tugma(p, hodisa::kodA, hodisa::buyruqBayrogi);
    Imlochi::tugma(p, hodisa::kodC, hodisa::buyruqBayrogi);
    p.soat.uxla(microseconds(500'000));
    chiqish << "NATIJA: " << p.bufer.matn().value_or("") << "\n" << std::flush;
    return 0;
}

int ishgaTushir(const IlovaPlatformasi& p) {
    delegat = Ilova::yarat(p);
    p.ilova.aksessuarQil();
    p.ilova.ishlat([] { delegat->ishgaTushdi(); });
    return 0;
}

}  // namespace harfnur
