// The watcher runs for every key the user presses: it must not allocate.
// Counts every allocation in this process while events flow.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "pipeline/shift_kuzatuvchi.h"
#include "sim_yordam.h"

namespace {
std::atomic<long> ajratishlar{0};
}

void* operator new(std::size_t n) {
    ++ajratishlar;
    if (void* p = std::malloc(n ? n : 1)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace {

using namespace harfnur;

struct SanovchiNavbat final : port::Navbat {
    int son = 0;
    void qosh(std::function<void()>) override { ++son; }
};

TEST(QabulAjratish, NoAllocationPerEvent) {
    sinov::Muhit muhit;
    auto& m = muhit.m;
    m.sozlamalar.yoz("jurnal", false);
    SanovchiNavbat navbat;
    const Platforma p{m.soat, m.bufer, m.ilova, m.kuzatuv, m.ishonch, m.sozlamalar, m.jurnalJoyi, navbat};
    auto k = ShiftKuzatuvchi::yarat(p);
    k->boshla();

    const long oldin = ajratishlar.load();
    double t = 1.0;
    for (int i = 0; i < 25'000; ++i, t += 1.0) {
        m.kuzatuv.yubor({hodisa::tugmaBosildi, 4, 0, t});
        m.kuzatuv.yubor({hodisa::bayroqlarOzgardi, 55, 0x100000, t + 0.01});
        m.kuzatuv.yubor({hodisa::bayroqlarOzgardi, 55, 0, t + 0.02});
        m.ikkiMartaShift(t + 0.1);  // fires: the submission itself must not allocate either
    }
    EXPECT_EQ(ajratishlar.load() - oldin, 0);
    EXPECT_EQ(navbat.son, 25'000);
}

}  // namespace
