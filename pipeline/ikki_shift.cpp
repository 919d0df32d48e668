#include "pipeline/ikki_shift.h"

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
    // Signed differences: a negative one passes its test, and a comparison
    // with NaN fails.
    const double ushlandi = vaqt - *bosilganVaqt;
    bosilganVaqt.reset();
    if (!(ushlandi <= ushlash)) {
        oldingiBosish.reset();
        return false;
    }
    if (oldingiBosish && vaqt - *oldingiBosish <= oraliq) {
        oldingiBosish.reset();
        return true;
    }
    oldingiBosish = vaqt;
    return false;
}

}  // namespace harfnur
