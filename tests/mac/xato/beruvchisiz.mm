// A data provider that cannot give the data it promised.
#import <AppKit/AppKit.h>

@interface Beruvchi : NSObject <NSPasteboardItemDataProvider>
@end

@implementation Beruvchi
- (void)pasteboardFinishedWithDataProvider:(NSPasteboard*)pasteboard {
    (void)pasteboard;
}
@end
