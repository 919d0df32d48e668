// A local monitor whose handler returns nothing: the event would be lost.
#import <AppKit/AppKit.h>

id kuzat() {
    return [NSEvent addLocalMonitorForEventsMatchingMask:NSEventMaskFlagsChanged
                                                 handler:^(NSEvent* e) {
                                                   (void)e;
                                                 }];
}
