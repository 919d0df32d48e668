// A number where the pasteboard wants a type name.
#import <AppKit/AppKit.h>

void yoz() { [[NSPasteboard generalPasteboard] setString:@"x" forType:42]; }
