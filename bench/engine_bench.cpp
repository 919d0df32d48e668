#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "bench/matnlar.h"
#include "engine/ogir.h"
#include "engine/utf8.h"

namespace {

constexpr std::size_t hajm = 24u << 20;

const std::string& lotin() {
    static const std::string t = harfnur::bench::lotinMatn(hajm);
    return t;
}
const std::string& bosma() {
    static const std::string t = harfnur::bench::bosmaMatn(hajm);
    return t;
}
const std::string& kirill() {
    static const std::string t = harfnur::bench::kirillMatn(hajm);
    return t;
}

void ogirBench(benchmark::State& s, const std::string& t) {
    for (auto _ : s) {
        std::string r = harfnur::ogir(t);
        benchmark::DoNotOptimize(r.data());
    }
    s.SetBytesProcessed(std::int64_t(s.iterations()) * std::int64_t(t.size()));
}

// The floor: merely decoding the same bytes to UTF-32.
void ochishBench(benchmark::State& s, const std::string& t) {
    std::vector<char32_t> r(t.size());
    for (auto _ : s) {
        std::size_t n = 0;
        for (std::size_t i = 0; i < t.size();) {
            const auto k = harfnur::utf8::ochish(t, i);
            r[n++] = k.kod;
            i += k.uzunlik ? k.uzunlik : 1;
        }
        benchmark::DoNotOptimize(r.data());
        benchmark::DoNotOptimize(n);
    }
    s.SetBytesProcessed(std::int64_t(s.iterations()) * std::int64_t(t.size()));
}

void BM_ogir_lotin(benchmark::State& s) { ogirBench(s, lotin()); }
void BM_ogir_bosma(benchmark::State& s) { ogirBench(s, bosma()); }
void BM_ogir_kirill(benchmark::State& s) { ogirBench(s, kirill()); }
void BM_utf32_lotin(benchmark::State& s) { ochishBench(s, lotin()); }
void BM_utf32_bosma(benchmark::State& s) { ochishBench(s, bosma()); }
void BM_utf32_kirill(benchmark::State& s) { ochishBench(s, kirill()); }

BENCHMARK(BM_ogir_lotin)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_ogir_bosma)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_ogir_kirill)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_utf32_lotin)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_utf32_bosma)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_utf32_kirill)->Unit(benchmark::kMillisecond)->MinTime(1.0);

}  // namespace

BENCHMARK_MAIN();
