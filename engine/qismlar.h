// Conversion of a text made of pieces (the runs of a rich document: a bold
// word, a link, a table cell) that keeps the cuts between the pieces.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace harfnur {

// Converts the pieces as one text, so that a rule sees across a cut (a bold
// "o" followed by a plain "'" still becomes "ö"), and gives each piece its
// own converted text back. Joined, the results equal `ogir` of the joined
// pieces.
//
// Where the output goes: a replacement belongs to the piece in which the
// first Character it stands for begins; the pieces holding the rest of the
// Characters it ate give them up. A Character left as it was keeps its
// bytes where they were, even one that a cut splits in two. So a piece
// only ever gains text from a rule that started in it.
//
// `kirillmi` fixes the step (true: Cyrillic) when the caller has already
// chosen it from a larger text; otherwise the letters of all the pieces
// choose it, as `ogir` would.
std::vector<std::string> qismlabOgir(const std::vector<std::string_view>& qismlar,
                                     std::optional<bool> kirillmi = std::nullopt);

}  // namespace harfnur
