// One numbered step of the onboarding window: a badge with the number (or a
// check mark once done), a title, an explanation and an optional button.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "onboarding/rang.h"

namespace harfnur {

struct Tugma {
    std::string sarlavha;
    std::function<void()> amal;
    bool standartmi = false;  // pressed by the Return key
};

struct Qadam {
    std::string raqam;
    std::string sarlavha;
    std::string matn;
    bool tayyor = false;
    std::optional<Tugma> tugma;  // the extra content: a button, or nothing

    static constexpr double nishon = 30;       // badge diameter
    static constexpr double oraliq = 14;       // badge to column
    static constexpr double matnOraligi = 6;   // within the column
    static constexpr double nishonShrifti = 15;

    Rang nishonRangi() const { return tayyor ? yashil : lime; }
    Rang nishonMatnRangi() const { return tayyor ? oq : qora; }
    std::string nishonMatni() const { return tayyor ? "✓" : raqam; }
};

}  // namespace harfnur
