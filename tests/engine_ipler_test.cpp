// Concurrent first use of the engine: the tables are built by whichever
// thread comes first while the others wait. Run under ThreadSanitizer too.
#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "engine/ichki.h"
#include "engine/ogir.h"

namespace {

TEST(Threads, ConcurrentFirstUseAgrees) {
    const std::string lotin = "O'zbekiston g'alaba, shahar choy ta'lim mo‘’jiza";
    const std::string kirill = "Ўзбекистон ғалаба, шаҳар чой таълим МИЛИЦИЯ поезд";
    const std::string l = "Özbekiston ğalaba, şahar çoy taʼlim möʼjiza";
    const std::string k = "Özbekiston ğalaba, şahar çoy taʼlim MILITSIYa poyezd";
    std::atomic<int> tayyor{0};
    std::vector<std::thread> ipler;
    std::vector<int> xatolar(8, 0);
    for (int n = 0; n < 8; ++n)
        ipler.emplace_back([&, n] {
            ++tayyor;
            while (tayyor.load() < 8) {
            }  // start together, so the first calls race
            for (int i = 0; i < 200; ++i) {
                if (harfnur::ogir(n % 2 ? lotin : kirill) != (n % 2 ? l : k)) ++xatolar[std::size_t(n)];
                if (harfnur::ogir(n % 2 ? kirill : lotin) != (n % 2 ? k : l)) ++xatolar[std::size_t(n)];
            }
        });
    for (auto& t : ipler) t.join();
    for (int x : xatolar) EXPECT_EQ(x, 0);
}

}  // namespace
