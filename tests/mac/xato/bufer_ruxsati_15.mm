// The pasteboard setting of macOS 15.4 read without an availability check.
// kutiladi: is only available on macOS 15.4 or newer
#import <AppKit/AppKit.h>

bool doimomi() { return [NSPasteboard generalPasteboard].accessBehavior == NSPasteboardAccessBehaviorAlwaysAllow; }
