// The activation of macOS 14 used on macOS 12 without an availability check.
// kutiladi: is only available on macOS 14.0 or newer
#import <AppKit/AppKit.h>

void oldinga() { [[NSApplication sharedApplication] activate]; }
