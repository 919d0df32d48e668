// Colours of the onboarding window, in sRGB.
#pragma once

namespace harfnur {

struct Rang {
    double q, y, k, shaffof;  // red, green, blue, opacity
    bool operator==(const Rang&) const = default;
};

inline constexpr Rang lime{0.878, 1.0, 0.2, 1.0};
inline constexpr Rang yashil{0.204, 0.780, 0.349, 1.0};  // the platform's standard green
inline constexpr Rang oq{1, 1, 1, 1};
inline constexpr Rang qora{0, 0, 0, 1};

}  // namespace harfnur
