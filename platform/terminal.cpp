#include "platform/terminal.h"

#include <algorithm>
#include <array>

#include "platform/hodisa.h"

namespace harfnur {
namespace {

// As each application's Info.plist (or its Homebrew cask) names it.
constexpr std::array<std::string_view, 14> terminallar = {
    "com.apple.Terminal",
    "com.googlecode.iterm2",
    "io.alacritty",            // Alacritty before 0.13
    "org.alacritty",
    "net.kovidgoyal.kitty",
    "com.github.wez.wezterm",
    "dev.warp.Warp-Stable",
    "dev.warp.Warp-Preview",
    "com.mitchellh.ghostty",
    "co.zeit.hyper",
    "org.tabby",
    "com.raphaelamorim.rio",
    "dev.commandline.waveterm",
    "com.termius-dmg.mac",
};

char kichik(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }

bool tengmi(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return kichik(x) == kichik(y); });
}

}  // namespace

bool terminalmi(std::string_view ilovaId) {
    return std::any_of(terminallar.begin(), terminallar.end(), [&](std::string_view t) { return tengmi(t, ilovaId); });
}

void TerminalQoriqchisi::bos(std::uint16_t kod, std::uint64_t bayroqlar) {
    if (kod == hodisa::kodA && (bayroqlar & hodisa::buyruqBayrogi)) {
        const std::optional<std::string> id = oldingiIlova_ ? oldingiIlova_() : std::nullopt;
        if (id && terminalmi(*id)) return;
    }
    asl_.bos(kod, bayroqlar);
}

}  // namespace harfnur
