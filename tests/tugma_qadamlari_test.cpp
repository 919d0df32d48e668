// The events one shortcut press is posted as, one press per row.
#include <gtest/gtest.h>

#include <vector>

#include "platform/tugma_qadamlari.h"

namespace {

using harfnur::TugmaKodlari;
using harfnur::TugmaQadami;
namespace hodisa = harfnur::hodisa;

constexpr std::uint64_t cmd = hodisa::buyruqBayrogi, shift = hodisa::shiftBayrogi;
constexpr std::uint16_t cmdTugma = hodisa::chapBuyruq, shiftTugma = hodisa::chapShift;

TugmaQadami mod(std::uint16_t kod, bool pastga, std::uint64_t b) { return {kod, pastga, true, b, 0}; }
TugmaQadami harf(std::uint16_t kod, bool pastga, std::uint64_t b, char16_t belgi) { return {kod, pastga, false, b, belgi}; }

struct Qator {
    const char* nom;
    TugmaKodlari kodlar;
    std::uint16_t kod;
    std::uint64_t bayroqlar;
    std::vector<TugmaQadami> kutilgan;
};

const TugmaKodlari qwerty{};
const TugmaKodlari dvorak{0, 34, 47};  // A, J and K carry a, c and v

const Qator jadval[] = {
    {"Command+C", qwerty, hodisa::kodC, cmd,
     {mod(cmdTugma, true, cmd), harf(8, true, cmd, u'c'), harf(8, false, cmd, u'c'), mod(cmdTugma, false, 0)}},
    {"Command+V", qwerty, hodisa::kodV, cmd,
     {mod(cmdTugma, true, cmd), harf(9, true, cmd, u'v'), harf(9, false, cmd, u'v'), mod(cmdTugma, false, 0)}},
    {"Command+A", qwerty, hodisa::kodA, cmd,
     {mod(cmdTugma, true, cmd), harf(0, true, cmd, u'a'), harf(0, false, cmd, u'a'), mod(cmdTugma, false, 0)}},
    // The layout's key, the letter the shortcut means.
    {"Command+C on Dvorak", dvorak, hodisa::kodC, cmd,
     {mod(cmdTugma, true, cmd), harf(34, true, cmd, u'c'), harf(34, false, cmd, u'c'), mod(cmdTugma, false, 0)}},
    {"Command+V on Dvorak", dvorak, hodisa::kodV, cmd,
     {mod(cmdTugma, true, cmd), harf(47, true, cmd, u'v'), harf(47, false, cmd, u'v'), mod(cmdTugma, false, 0)}},
    // Command goes down first and up last; the capital with Shift.
    {"Command+Shift+C", qwerty, hodisa::kodC, cmd | shift,
     {mod(cmdTugma, true, cmd), mod(shiftTugma, true, cmd | shift), harf(8, true, cmd | shift, u'C'),
      harf(8, false, cmd | shift, u'C'), mod(shiftTugma, false, cmd), mod(cmdTugma, false, 0)}},
    {"Shift+V", qwerty, hodisa::kodV, shift,
     {mod(shiftTugma, true, shift), harf(9, true, shift, u'V'), harf(9, false, shift, u'V'), mod(shiftTugma, false, 0)}},
    // No modifier: the key alone.
    {"V alone", qwerty, hodisa::kodV, 0, {harf(9, true, 0, u'v'), harf(9, false, 0, u'v')}},
    // Another key keeps its code and says no character.
    {"Command+Return", dvorak, 36, cmd,
     {mod(cmdTugma, true, cmd), harf(36, true, cmd, 0), harf(36, false, cmd, 0), mod(cmdTugma, false, 0)}},
};

TEST(TugmaQadamlari, JadvalBoyicha) {
    for (const Qator& q : jadval) {
        EXPECT_EQ(harfnur::bosishQadamlari(q.kodlar, q.kod, q.bayroqlar), q.kutilgan) << q.nom;
    }
}

// Whatever the flags, every modifier goes down before the letter and comes
// up after it, and the last event carries no modifier.
TEST(TugmaQadamlari, ModifikatorlarHarfniOraydi) {
    for (const std::uint64_t b : {std::uint64_t(0), cmd, shift, cmd | shift}) {
        const auto q = harfnur::bosishQadamlari(qwerty, hodisa::kodC, b);
        std::vector<std::size_t> harflar;
        for (std::size_t i = 0; i < q.size(); ++i)
            if (!q[i].modifikatormi) harflar.push_back(i);
        ASSERT_EQ(harflar.size(), 2u) << b;
        int bosilgan = 0;
        for (std::size_t i = 0; i < q.size(); ++i) {
            if (!q[i].modifikatormi) continue;
            bosilgan += q[i].pastga ? 1 : -1;
            EXPECT_EQ(q[i].pastga, i < harflar.front()) << b << " event " << i;
        }
        EXPECT_EQ(bosilgan, 0) << b;
        EXPECT_EQ(q.back().bayroqlar & (cmd | shift), 0u) << b;
    }
}

}  // namespace
