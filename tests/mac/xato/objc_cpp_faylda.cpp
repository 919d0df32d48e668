// Objective-C in a .cpp file, which CMake compiles as plain C++.
// kutiladi: expected expression
#include <CoreGraphics/CoreGraphics.h>

void yubor(CGEventRef e) {
    @autoreleasepool {
        CGEventPost(kCGHIDEventTap, e);
    }
}
