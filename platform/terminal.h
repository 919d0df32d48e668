// Terminals. Command+A there selects the whole scrollback, and pasting the
// converted copy would put all of it at the prompt: in a terminal only a
// selection is converted, and select-all is never sent.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "platform/tugma_yuborish.h"

namespace harfnur {

// Whether a macOS bundle identifier (any case) is a terminal's.
bool terminalmi(std::string_view ilovaId);

// Passes every press on, except select-all while the front application is a
// terminal: that press is dropped, as if the application had ignored it.
class TerminalQoriqchisi final : public port::TugmaYuborish {
public:
    // `oldingiIlova` gives the front application's bundle identifier, asked
    // before each select-all; nothing when there is none.
    TerminalQoriqchisi(port::TugmaYuborish& asl, std::function<std::optional<std::string>()> oldingiIlova)
        : asl_(asl), oldingiIlova_(std::move(oldingiIlova)) {}

    void bos(std::uint16_t kod, std::uint64_t bayroqlar) override;
    void modifikator(std::uint16_t kod, bool pastga, std::uint64_t bayroqlar) override {
        asl_.modifikator(kod, pastga, bayroqlar);
    }
    std::uint64_t ushlanganBayroqlar() override { return asl_.ushlanganBayroqlar(); }
    void qoyishdanOldin() override { asl_.qoyishdanOldin(); }

private:
    port::TugmaYuborish& asl_;
    std::function<std::optional<std::string>()> oldingiIlova_;
};

}  // namespace harfnur
