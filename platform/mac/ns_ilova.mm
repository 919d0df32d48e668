#include "platform/mac/ns_ilova.h"

#import <AppKit/AppKit.h>

#include "platform/mac/asosiy_ip.h"

// Answers the end of launching and a second opening; closing a window never
// ends the application.
@interface HarfnurDelegati : NSObject <NSApplicationDelegate>
- (instancetype)initWithIshgaTushdi:(std::function<void()>)ishgaTushdi
                       qaytaOchildi:(std::shared_ptr<std::function<void()>>)qaytaOchildi;
@end

@implementation HarfnurDelegati {
    std::function<void()> _ishgaTushdi;
    std::shared_ptr<std::function<void()>> _qaytaOchildi;  // set by the shell, maybe after launch
}

- (instancetype)initWithIshgaTushdi:(std::function<void()>)ishgaTushdi
                       qaytaOchildi:(std::shared_ptr<std::function<void()>>)qaytaOchildi {
    if ((self = [super init])) {
        _ishgaTushdi = std::move(ishgaTushdi);
        _qaytaOchildi = std::move(qaytaOchildi);
    }
    return self;
}

- (BOOL)applicationShouldHandleReopen:(NSApplication*)sender hasVisibleWindows:(BOOL)flag {
    (void)sender;
    (void)flag;
    if (_qaytaOchildi && *_qaytaOchildi) (*_qaytaOchildi)();
    return NO;  // the guide window is all a reopening does
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
    std::shared_ptr<std::function<void()>> qaytaOchildi = std::make_shared<std::function<void()>>();
};

NsIlova::NsIlova() : i_(std::make_unique<Ichki>()) { i_->ilova = [NSApplication sharedApplication]; }

NsIlova::~NsIlova() {
    for (NSTimer* t in i_->taymerlar) [t invalidate];
}

void NsIlova::aksessuarQil() { [i_->ilova setActivationPolicy:NSApplicationActivationPolicyAccessory]; }

void NsIlova::faollashtir() {
    // From macOS 14 on, activation is cooperative and the old call may do
    // nothing.
    if (@available(macOS 14.0, *))
        [i_->ilova activate];
    else
        [i_->ilova activateIgnoringOtherApps:YES];
}

void NsIlova::tugat() { [i_->ilova terminate:nil]; }

int NsIlova::ishlat(std::function<void()> ishgaTushdi) {
    i_->delegat = [[HarfnurDelegati alloc] initWithIshgaTushdi:std::move(ishgaTushdi) qaytaOchildi:i_->qaytaOchildi];
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

void NsIlova::qaytaOchilganda(std::function<void()> f) { *i_->qaytaOchildi = std::move(f); }

std::optional<std::string> oldingiIlovaId() {
    std::optional<std::string> r;
    asosiyIpda([&r] {
        const char* id_ = NSWorkspace.sharedWorkspace.frontmostApplication.bundleIdentifier.UTF8String;
        if (id_) r = id_;
    });
    return r;
}

void NsOgohlantirish::korsat(const std::string& xabar, const std::string& izoh, const std::string& tugma) {
    NSAlert* a = [[NSAlert alloc] init];
    a.messageText = nsMatn(xabar);
    a.informativeText = nsMatn(izoh);
    [a addButtonWithTitle:nsMatn(tugma)];
    [a runModal];
}

}  // namespace harfnur::mac
