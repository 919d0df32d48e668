// A keyboard event made without saying whether the key goes down.
#include <CoreGraphics/CoreGraphics.h>

void bos() { CGEventPost(kCGHIDEventTap, CGEventCreateKeyboardEvent(nullptr, 8)); }
