#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "bench/matnlar.h"
#include "engine/ogir.h"
#include "engine/qismlar.h"
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

// 1 MB cut like the runs of a rich document: 5 to 200 bytes each, wherever
// the cut falls, inside a word or a Character too.
std::vector<std::string_view> qismla(const std::string& t) {
    std::mt19937 g(7);
    std::uniform_int_distribution<std::size_t> uzunlik(5, 200);
    std::vector<std::string_view> r;
    for (std::size_t i = 0; i < t.size();) {
        const std::size_t k = std::min(uzunlik(g), t.size() - i);
        r.push_back(std::string_view(t).substr(i, k));
        i += k;
    }
    return r;
}

void qismlabBench(benchmark::State& s, const std::string& matn) {
    const std::string t = matn.substr(0, 1u << 20);
    const std::vector<std::string_view> q = qismla(t);
    for (auto _ : s) {
        std::vector<std::string> r = harfnur::qismlabOgir(q);
        benchmark::DoNotOptimize(r.data());
    }
    s.SetBytesProcessed(std::int64_t(s.iterations()) * std::int64_t(t.size()));
    s.counters["qismlar"] = double(q.size());
}

void BM_ogir_lotin(benchmark::State& s) { ogirBench(s, lotin()); }
void BM_ogir_bosma(benchmark::State& s) { ogirBench(s, bosma()); }
void BM_ogir_kirill(benchmark::State& s) { ogirBench(s, kirill()); }
void BM_qismlab_lotin(benchmark::State& s) { qismlabBench(s, lotin()); }
void BM_qismlab_bosma(benchmark::State& s) { qismlabBench(s, bosma()); }
void BM_qismlab_kirill(benchmark::State& s) { qismlabBench(s, kirill()); }
void BM_utf32_lotin(benchmark::State& s) { ochishBench(s, lotin()); }
void BM_utf32_bosma(benchmark::State& s) { ochishBench(s, bosma()); }
void BM_utf32_kirill(benchmark::State& s) { ochishBench(s, kirill()); }

BENCHMARK(BM_ogir_lotin)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_ogir_bosma)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_ogir_kirill)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_qismlab_lotin)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_qismlab_bosma)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_qismlab_kirill)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_utf32_lotin)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_utf32_bosma)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_utf32_kirill)->Unit(benchmark::kMillisecond)->MinTime(1.0);

}  // namespace

BENCHMARK_MAIN();
