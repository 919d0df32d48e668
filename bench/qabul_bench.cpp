// Cost of the Shift watcher per key event (log off), the work done on the
// main thread for every key the user presses anywhere.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "pipeline/shift_kuzatuvchi.h"
#include "platform/sim/sim_muhit.h"

namespace {

using namespace harfnur;

struct BoshNavbat final : port::Navbat {
    void qosh(std::function<void()>) override {}
};

void BM_qabul(benchmark::State& s) {
    sim::SimMuhit m(std::filesystem::temp_directory_path() / "harfnur-bench.log");
    BoshNavbat navbat;
    const Platforma p{m.soat, m.bufer, m.ilova, m.kuzatuv, m.ishonch, m.sozlamalar, m.jurnalJoyi, navbat};
    auto k = ShiftKuzatuvchi::yarat(p);
    k->boshla();
    double t = 0;
    for (auto _ : s) {
        m.kuzatuv.yubor({hodisa::tugmaBosildi, 4, 0, t});
        m.kuzatuv.yubor({hodisa::bayroqlarOzgardi, hodisa::chapShift, hodisa::shiftBayrogi, t + 0.01});
        m.kuzatuv.yubor({hodisa::bayroqlarOzgardi, hodisa::chapShift, 0, t + 0.05});
        m.kuzatuv.yubor({hodisa::bayroqlarOzgardi, 55, 0x100000, t + 0.1});
        t += 1.0;
    }
    s.SetItemsProcessed(std::int64_t(s.iterations()) * 4);
}
BENCHMARK(BM_qabul);

}  // namespace
