// Terminals: only a selection is converted there, and select-all never goes.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "pipeline/imlochi.h"
#include "platform/terminal.h"
#include "sim_yordam.h"

namespace {

using namespace harfnur;

struct Qator {
    const char* id;
    bool terminal;
};

const Qator jadval[] = {
    {"com.apple.Terminal", true},
    {"com.googlecode.iterm2", true},
    {"io.alacritty", true},
    {"org.alacritty", true},
    {"net.kovidgoyal.kitty", true},
    {"com.github.wez.wezterm", true},
    {"dev.warp.Warp-Stable", true},
    {"dev.warp.Warp-Preview", true},
    {"com.mitchellh.ghostty", true},
    {"co.zeit.hyper", true},
    {"org.tabby", true},
    {"com.raphaelamorim.rio", true},
    {"dev.commandline.waveterm", true},
    {"com.termius-dmg.mac", true},
    {"COM.APPLE.TERMINAL", true},  // identifiers compare in any case
    {"com.apple.TextEdit", false},
    {"com.apple.Notes", false},
    {"com.google.Chrome", false},
    {"com.microsoft.VSCode", false},
    {"ru.keepcoder.Telegram", false},
    {"com.apple.Terminal.helper", false},  // whole identifiers only
    {"apple.Terminal", false},
    {"", false},
};

TEST(Terminal, JadvalBoyicha) {
    for (const Qator& q : jadval) EXPECT_EQ(terminalmi(q.id), q.terminal) << q.id;
}

// One conversion on the simulated desktop, with `ilova` in front.
struct Oldinda : sinov::Muhit {
    std::optional<std::string> ilova;
    TerminalQoriqchisi tugmalar{m.ilova, [this] { return ilova; }};
    const Platforma p{m.soat, m.bufer, tugmalar, m.kuzatuv, m.ishonch, m.sozlamalar, m.jurnalJoyi, m.navbat};

    explicit Oldinda(std::optional<std::string> id) : ilova(std::move(id)) {
        m.bufer.boshqasiYozdi({{{sim::matnTuri, "avvalgi"}}});
    }
    void ogir() {
        m.navbat.qosh([this] { Imlochi::maydonniOgir(p); });
        m.navbat.kut();
    }
    int tanlashlar() {
        int n = 0;
        for (const auto& v : m.soat.voqealar())
            if (v.nima == "tugma: 0 1048576") ++n;
        return n;
    }
};

TEST(Terminal, TanlovsizMaydonTanlanmaydi) {
    Oldinda o("com.googlecode.iterm2");
    o.m.ilova.maydon("$ echo shahar", 0, 0);
    o.ogir();
    EXPECT_EQ(o.tanlashlar(), 0);
    EXPECT_EQ(o.m.ilova.matn(), "$ echo shahar");  // nothing pasted at the prompt
    EXPECT_EQ(o.m.bufer.matn(), "avvalgi");
}

TEST(Terminal, TanlovOgiriladi) {
    Oldinda o("com.apple.Terminal");
    o.m.ilova.maydon("$ echo shahar", 7, 13);
    o.ogir();
    EXPECT_EQ(o.tanlashlar(), 0);
    EXPECT_EQ(o.m.ilova.matn(), "$ echo şahar");
    EXPECT_EQ(o.m.bufer.matn(), "avvalgi");
}

// Outside a terminal, or with no front application known, the whole field.
TEST(Terminal, BoshqaIlovadaHammasiTanlanadi) {
    for (const std::optional<std::string>& id : {std::optional<std::string>("com.apple.TextEdit"), std::optional<std::string>()}) {
        Oldinda o(id);
        o.m.ilova.maydon("shahar choy", 0, 0);
        o.ogir();
        EXPECT_EQ(o.tanlashlar(), 1) << id.value_or("(none)");
        EXPECT_EQ(o.m.ilova.matn(), "şahar çoy") << id.value_or("(none)");
    }
}

}  // namespace
