// nil where the pasteboard wants a string: the parameter is non-null.
// kutiladi: [-Werror,-Wnonnull]
#import <AppKit/AppKit.h>

void yoz() { [[NSPasteboard generalPasteboard] setString:nil forType:NSPasteboardTypeString]; }
