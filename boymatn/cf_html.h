// Windows' "HTML Format": a header of byte offsets in front of the HTML.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace harfnur::boymatn {

// The HTML inside converted, and StartHTML, EndHTML, StartFragment,
// EndFragment (and StartSelection, EndSelection when present) recomputed.
// Nothing when the header is broken or the HTML cannot be converted.
std::optional<std::string> cfHtmlOgir(std::string_view cfHtml, std::optional<bool> kirillmi = std::nullopt);

}  // namespace harfnur::boymatn
