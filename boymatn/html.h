// HTML converted in place: only character data changes; every byte of
// markup (tags, attributes, comments, scripts, styles, pictures) stays.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace harfnur::boymatn {

// The document with its text converted as one text across element
// boundaries. `kirillmi` fixes the step when the caller chose it already.
// Nothing when the document cannot be converted without guessing (a
// charset that is not known).
std::optional<std::string> htmlOgir(std::string_view html, std::optional<bool> kirillmi = std::nullopt);

}  // namespace harfnur::boymatn
