#include "platform/yashirin.h"

#include <algorithm>

namespace harfnur {

bool yashirinmi(const port::BuferNusxasi& nusxa) {
    return std::any_of(nusxa.taklif.begin(), nusxa.taklif.end(), [](const std::string& t) { return t == yashirinTur; }) ||
           std::any_of(nusxa.turlar.begin(), nusxa.turlar.end(), [](const auto& t) { return t.first == yashirinTur; });
}

std::optional<std::string> YashirinQoriqchisi::matn() {
    // Only the mark's own bytes are read to look.
    if (yashirinmi(asl_.olish([](std::string_view t) { return t == yashirinTur; }))) return std::nullopt;
    return asl_.matn();
}

}  // namespace harfnur
