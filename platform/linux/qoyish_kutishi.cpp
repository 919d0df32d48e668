#include "platform/linux/qoyish_kutishi.h"

#include <algorithm>
#include <string_view>

namespace harfnur::linux_ {

std::chrono::milliseconds qoyishKutishi(const std::vector<std::string>& sinflar,
                                        std::chrono::milliseconds nusxadanBeri) {
    // Its clock counts whole seconds: "older than one second" can take
    // just under two to become true.
    constexpr std::chrono::milliseconds eskirish{2100};
    const bool libreOfficemi = std::any_of(sinflar.begin(), sinflar.end(), [](std::string_view s) {
        return s.starts_with("libreoffice") || s.starts_with("soffice") || s.starts_with("openoffice");
    });
    if (!libreOfficemi || nusxadanBeri >= eskirish) return std::chrono::milliseconds{0};
    return eskirish - std::max(nusxadanBeri, std::chrono::milliseconds{0});
}

}  // namespace harfnur::linux_
