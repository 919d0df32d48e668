// nil where the pasteboard item wants data: an empty type needs empty data.
#import <AppKit/AppKit.h>

void belgila(NSPasteboardItem* band) { [band setData:nil forType:@"org.nspasteboard.TransientType"]; }
