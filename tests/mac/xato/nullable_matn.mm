// A string that may be nil (no text on the pasteboard) passed where nil is
// not allowed.
// kutiladi: [-Werror,-Wnullable-to-nonnull-conversion]
#import <AppKit/AppKit.h>

void qaytaYoz(NSPasteboard* p) {
    [p setString:[p stringForType:NSPasteboardTypeString] forType:NSPasteboardTypeString];
}
