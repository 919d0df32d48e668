#include "platform/windows/tugma_ketma_ketligi.h"

#include <algorithm>
#include <cctype>

#include "platform/hodisa.h"
#include "platform/windows/vk.h"

namespace harfnur::windows_ {
namespace {

constexpr std::string_view terminallar[] = {
    "ConsoleWindowClass",             // the console host (cmd, PowerShell)
    "CASCADIA_HOSTING_WINDOW_CLASS",  // Windows Terminal
    "mintty",                         // Git Bash, Cygwin, MSYS2
    "VirtualConsoleClass",            // ConEmu
};

bool tengmi(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

std::uint16_t harfi(std::uint16_t kod) {
    switch (kod) {
        case hodisa::kodA: return vk::harfA;
        case hodisa::kodC: return vk::harfC;
        case hodisa::kodV: return vk::harfV;
        default: return 0;
    }
}

}  // namespace

bool terminalSinfimi(std::string_view sinf) {
    return std::any_of(std::begin(terminallar), std::end(terminallar), [&](std::string_view t) { return tengmi(t, sinf); });
}

bool kengaytirilganmi(std::uint16_t v) {
    return v == vk::ongBoshqarish || v == vk::ongAlt || v == vk::chapWin || v == vk::ongWin || v == vk::insert;
}

std::vector<KiritishTugmasi> bosishKetmaKetligi(std::uint16_t kod, std::uint64_t bayroqlar, bool terminalmi,
                                                const std::vector<std::uint16_t>& ushlangan) {
    std::vector<KiritishTugmasi> r;
    std::uint16_t harf = harfi(kod);
    if (!harf || (terminalmi && kod == hodisa::kodA)) return r;
    std::vector<std::uint16_t> kerak;
    if (terminalmi && (bayroqlar & hodisa::buyruqBayrogi)) {
        // Copy is Control+Insert, paste Shift+Insert.
        kerak.push_back(kod == hodisa::kodV ? vk::chapShift : vk::chapBoshqarish);
        harf = vk::insert;
    } else {
        if (bayroqlar & hodisa::buyruqBayrogi) kerak.push_back(vk::chapBoshqarish);
        if (bayroqlar & hodisa::shiftBayrogi) kerak.push_back(vk::chapShift);
    }

    // A lone Alt or Windows key going up (or a held one coming back and then
    // released by the user) would open a menu: a neutral key in between
    // keeps it a chord.
    const bool menyuTugmasi = std::any_of(ushlangan.begin(), ushlangan.end(), [](std::uint16_t k) {
        return k == vk::chapAlt || k == vk::ongAlt || k == vk::chapWin || k == vk::ongWin;
    });
    auto niqobla = [&] {
        if (menyuTugmasi) r.insert(r.end(), {{vk::niqob, true}, {vk::niqob, false}});
    };
    niqobla();
    for (std::uint16_t k : ushlangan) r.push_back({k, false});
    for (std::uint16_t k : kerak) r.push_back({k, true});
    r.push_back({harf, true});
    r.push_back({harf, false});
    for (auto i = kerak.rbegin(); i != kerak.rend(); ++i) r.push_back({*i, false});
    for (std::uint16_t k : ushlangan) r.push_back({k, true});
    niqobla();
    return r;
}

}  // namespace harfnur::windows_
