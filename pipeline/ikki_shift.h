// Recognises a double tap of Shift from timed key events. Pure logic: every
// event brings its own time.
#pragma once

#include <optional>

namespace harfnur {

class IkkiShift {
public:
    static constexpr double oraliq = 0.4;  // release to release, at most
    static constexpr double ushlash = 0.3;  // down to up for a tap, at most

    // True exactly when this event completes a double tap. For a key that is
    // not Shift, `pastga` is true for a key going down.
    bool hodisa(bool shiftmi, bool pastga, double vaqt);

private:
    std::optional<double> bosilganVaqt;  // the press in progress went down
    std::optional<double> oldingiBosish;  // the previous tap was released
};

}  // namespace harfnur
