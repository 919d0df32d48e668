// RTF converted in place: only the visible text changes; control words,
// groups, font and colour tables, fields' instructions, hidden destinations
// and pictures stay byte for byte.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace harfnur::boymatn {

// The document with its text converted as one text across formatting runs.
// `kirillmi` fixes the step when the caller chose it already. Nothing when
// it cannot be converted without guessing (not RTF, an unknown code page).
std::optional<std::string> rtfOgir(std::string_view rtf, std::optional<bool> kirillmi = std::nullopt);

}  // namespace harfnur::boymatn
