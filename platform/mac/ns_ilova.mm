#include "platform/mac/ns_ilova.h"

#import <AppKit/AppKit.h>

// Answers only the end of launching; closing a window never ends the
// application.
@interface HarfnurDelegati : NSObject <NSApplicationDelegate>
- (instancetype)initWithIshgaTushdi:(std::function<void()>)ishgaTushdi;
@end

@implementation HarfnurDelegati {
    std::function<void()> _ishgaTushdi;
}

- (instancetype)initWithIshgaTushdi:(std::function<void()>)ishgaTushdi {
    if ((self = [super init])) _ishgaTushdi = std::move(ishgaTushdi);
    return self;
}

- (void)applicationDidFinishLaunching:(NSNotification*)notification {
    (void)notification;
    if (!_ishgaTushdi) return;
    const std::function<void()> f = std::move(_ishgaTushdi);
    _ishgaTushdi = nullptr;
    f();
}

@end

namespace harfnur::mac {
namespace {

NSString* nsMatn(const std::string& s) {
    return [[NSString alloc] initWithBytes:s.data() length:s.size() encoding:NSUTF8StringEncoding] ?: @"";
}

}  // namespace

struct NsIlova::Ichki {
    NSApplication* ilova;
    HarfnurDelegati* delegat;  // the application holds its delegate weakly
    NSMutableArray<NSTimer*>* taymerlar = [NSMutableArray array];
};

NsIlova::NsIlova() : i_(std::make_unique<Ichki>()) { i_->ilova = [NSApplication sharedApplication]; }

NsIlova::~NsIlova() {
    for (NSTimer* t in i_->taymerlar) [t invalidate];
}

void NsIlova::aksessuarQil() { [i_->ilova setActivationPolicy:NSApplicationActivationPolicyAccessory]; }

void NsIlova::faollashtir() { [i_->ilova activateIgnoringOtherApps:YES]; }

void NsIlova::tugat() { [i_->ilova terminate:nil]; }

int NsIlova::ishlat(std::function<void()> ishgaTushdi) {
    i_->delegat = [[HarfnurDelegati alloc] initWithIshgaTushdi:std::move(ishgaTushdi)];
    i_->ilova.delegate = i_->delegat;
    [i_->ilova run];
    return 0;
}

void NsIlova::takroriyTaymer(double soniya, std::function<void()> tik) {
    // Scheduled on the current (main) run loop in its default mode.
    NSTimer* t = [NSTimer scheduledTimerWithTimeInterval:soniya
                                                 repeats:YES
                                                   block:^(NSTimer* taymer) {
                                                     (void)taymer;
                                                     tik();
                                                   }];
    [i_->taymerlar addObject:t];
}

std::string NsIlova::dasturYoli() {
    NSString* yol = [NSBundle mainBundle].bundlePath;
    return yol.UTF8String ? std::string(yol.UTF8String) : std::string();
}

void NsOgohlantirish::korsat(const std::string& xabar, const std::string& izoh, const std::string& tugma) {
    NSAlert* a = [[NSAlert alloc] init];
    a.messageText = nsMatn(xabar);
    a.informativeText = nsMatn(izoh);
    [a addButtonWithTitle:nsMatn(tugma)];
    [a runModal];
}

}  // namespace harfnur::mac
