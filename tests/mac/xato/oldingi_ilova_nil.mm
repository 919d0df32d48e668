// The front application's identifier, which may be nil (no Info.plist),
// passed where a string must be.
// kutiladi: [-Werror,-Wnullable-to-nonnull-conversion]
#import <AppKit/AppKit.h>

void yoz() {
    [[NSPasteboard generalPasteboard] setString:NSWorkspace.sharedWorkspace.frontmostApplication.bundleIdentifier
                                        forType:NSPasteboardTypeString];
}
