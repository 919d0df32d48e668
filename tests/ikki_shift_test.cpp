// The double-Shift detector's table, one sequence of events per row.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "pipeline/ikki_shift.h"

namespace {

struct H {
    bool shiftmi, pastga;
    double vaqt;
};
constexpr bool S = true, K = false;  // Shift, another key
constexpr bool D = true, U = false;  // down, up

struct Qator {
    const char* nomi;
    std::vector<H> hodisalar;
    std::vector<int> otadi;  // indices of the events that fire
};

TEST(IkkiShift, Table) {
    const double nan = std::nan("");
    const std::vector<Qator> qatorlar = {
        {"two quick taps", {{S, D, 0.00}, {S, U, 0.06}, {S, D, 0.24}, {S, U, 0.30}}, {3}},
        {"hold 0.3 and gap 0.4 exactly", {{S, D, 0.0}, {S, U, 0.1}, {S, D, 0.2}, {S, U, 0.5}}, {3}},
        {"gap 0.41: the second tap becomes the first",
         {{S, D, 0.0}, {S, U, 0.1}, {S, D, 0.4}, {S, U, 0.51}, {S, D, 0.6}, {S, U, 0.7}},
         {5}},
        {"a long press between taps forgets the earlier tap",
         {{S, D, 0.0}, {S, U, 0.05}, {S, D, 0.1}, {S, U, 0.41}, {S, D, 0.5}, {S, U, 0.55}},
         {}},
        {"shift+letter then one tap", {{S, D, 0.0}, {K, D, 0.05}, {S, U, 0.1}, {S, D, 0.2}, {S, U, 0.25}}, {}},
        {"three taps fire once", {{S, D, 0}, {S, U, .05}, {S, D, .1}, {S, U, .15}, {S, D, .2}, {S, U, .25}}, {3}},
        {"four taps fire twice",
         {{S, D, 0}, {S, U, .05}, {S, D, .1}, {S, U, .15}, {S, D, .2}, {S, U, .25}, {S, D, .3}, {S, U, .35}},
         {3, 7}},
        {"release with no press", {{S, U, 0.0}, {S, D, 0.1}, {S, U, 0.15}, {S, D, 0.2}, {S, U, 0.25}}, {4}},
        {"a key going up changes nothing", {{S, D, 0}, {S, U, .05}, {K, U, .1}, {S, D, .15}, {S, U, .2}}, {4}},
        {"another key down between taps", {{S, D, 0}, {S, U, .05}, {K, D, .1}, {S, D, .15}, {S, U, .2}}, {}},
        {"second down keeps the first time: held too long",
         {{S, D, 0}, {S, U, .05}, {S, D, .1}, {S, D, .3}, {S, U, .45}},
         {}},
        {"negative times pass", {{S, D, 1.0}, {S, U, 0.9}, {S, D, 0.8}, {S, U, 0.7}}, {3}},
        // Beyond the limits: a held time of -1.0 s is still a tap, and a gap
        // of -1.0 s still pairs the taps.
        {"held -1.0 is a tap", {{S, D, 5.0}, {S, U, 4.0}, {S, D, 4.05}, {S, U, 4.1}}, {3}},
        {"gap -1.0 pairs", {{S, D, 5.0}, {S, U, 5.05}, {S, D, 4.0}, {S, U, 4.05}}, {3}},
        {"held -1.0 on the second tap fires", {{S, D, 0.0}, {S, U, 0.05}, {S, D, 1.1}, {S, U, 0.1}}, {3}},
        {"held time NaN is a long press", {{S, D, 0}, {S, U, .05}, {S, D, nan}, {S, U, .2}, {S, D, .25}, {S, U, .3}},
         {}},
        {"a press with NaN times is long; taps after it work", {{S, D, nan}, {S, U, nan}, {S, D, .1}, {S, U, .15}, {S, D, .2}, {S, U, .25}},
         {5}},
    };
    for (const Qator& q : qatorlar) {
        harfnur::IkkiShift d;
        std::vector<int> otdi;
        for (std::size_t i = 0; i < q.hodisalar.size(); ++i) {
            const H& h = q.hodisalar[i];
            if (d.hodisa(h.shiftmi, h.pastga, h.vaqt)) otdi.push_back(int(i));
        }
        EXPECT_EQ(otdi, q.otadi) << q.nomi;
    }
}

}  // namespace
