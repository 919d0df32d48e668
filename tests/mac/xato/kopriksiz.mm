// An Objective-C object passed as a Core Foundation one without __bridge.
#import <Foundation/Foundation.h>
#include <ApplicationServices/ApplicationServices.h>

void sorov() {
    NSDictionary* d = @{@"AXTrustedCheckOptionPrompt" : @YES};
    AXIsProcessTrustedWithOptions((CFDictionaryRef)d);
}
