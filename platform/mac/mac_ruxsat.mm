#include "platform/mac/mac_ruxsat.h"

#import <AppKit/AppKit.h>
#include <ApplicationServices/ApplicationServices.h>

namespace harfnur::mac {

bool MacRuxsat::ishonchlimi() { return AXIsProcessTrusted(); }

void MacRuxsat::sorovKorsat() {
    NSDictionary* tanlov = @{(__bridge NSString*)kAXTrustedCheckOptionPrompt : @YES};
    AXIsProcessTrustedWithOptions((__bridge CFDictionaryRef)tanlov);  // only the prompt matters
}

bool MacRuxsat::manzilniOch(const std::string& manzil) {
    NSString* s = [[NSString alloc] initWithBytes:manzil.data() length:manzil.size() encoding:NSUTF8StringEncoding];
    NSURL* url = s ? [NSURL URLWithString:s] : nil;
    if (!url) return false;
    [[NSWorkspace sharedWorkspace] openURL:url];
    return true;
}

}  // namespace harfnur::mac
