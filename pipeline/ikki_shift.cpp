#include "pipeline/ikki_shift.h"

#include <cmath>

namespace harfnur {

bool IkkiShift::hodisa(bool shiftmi, bool pastga, double vaqt) {
    if (!shiftmi) {
        if (pastga) {  // any other key going down cancels everything gathered
            bosilganVaqt.reset();
            oldingiBosish.reset();
        }
        return false;
    }
    if (pastga) {
        if (!bosilganVaqt) bosilganVaqt = vaqt;  // a second Shift keeps the first time
        return false;
    }
    if (!bosilganVaqt) return false;  // a release with no press recorded
    // The sign plays no part, and a comparison with NaN fails.
    const double ushlandi = std::fabs(vaqt - *bosilganVaqt);
    bosilganVaqt.reset();
    if (!(ushlandi <= ushlash)) {
        oldingiBosish.reset();
        return false;
    }
    if (oldingiBosish && std::fabs(vaqt - *oldingiBosish) <= oraliq) {
        oldingiBosish.reset();
        return true;
    }
    oldingiBosish = vaqt;
    return false;
}

}  // namespace harfnur
