// A misspelt selector.
#import <AppKit/AppKit.h>

void olibTashla(id t) { [NSEvent removeMonitors:t]; }
