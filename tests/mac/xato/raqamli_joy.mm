// A bare number where the post location, a named enumeration, is expected.
#include <CoreGraphics/CoreGraphics.h>

void yubor(CGEventRef e) { CGEventPost(0, e); }
