#include "platform/mac/ns_holat_paneli.h"

#import <AppKit/AppKit.h>

// The target of one menu entry: a menu item holds its target weakly, so the
// status item keeps these.
@interface HarfnurMenyuAmali : NSObject
- (instancetype)initWithAmal:(std::function<void()>)amal;
- (void)bajar:(id)sender;
@end

@implementation HarfnurMenyuAmali {
    std::function<void()> _amal;
}

- (instancetype)initWithAmal:(std::function<void()>)amal {
    if ((self = [super init])) _amal = std::move(amal);
    return self;
}

- (void)bajar:(id)sender {
    (void)sender;
    if (_amal) _amal();
}

@end

namespace harfnur::mac {
namespace {

NSString* nsMatn(const std::string& s) {
    return [[NSString alloc] initWithBytes:s.data() length:s.size() encoding:NSUTF8StringEncoding] ?: @"";
}

class Belgi final : public port::HolatBelgisi {
public:
    Belgi() : item_([[NSStatusBar systemStatusBar] statusItemWithLength:NSVariableStatusItemLength]) {}
    ~Belgi() override { [[NSStatusBar systemStatusBar] removeStatusItem:item_]; }

    bool tugmasiBormi() override { return item_.button != nil; }
    void sarlavhaQoy(const std::string& s) override { item_.button.title = nsMatn(s); }
    void izohQoy(const std::string& s) override { item_.button.toolTip = nsMatn(s); }

    void menyuQoy(std::vector<port::MenyuBandi> bandlar) override {
        NSMenu* menyu = [[NSMenu alloc] initWithTitle:@""];
        menyu.autoenablesItems = NO;  // each entry is enabled exactly as given
        amallar_ = [NSMutableArray array];
        for (port::MenyuBandi& b : bandlar) {
            if (b.ajratgichmi) {
                [menyu addItem:[NSMenuItem separatorItem]];
                continue;
            }
            // The key equivalent carries the default Command modifier.
            NSMenuItem* item = [[NSMenuItem alloc] initWithTitle:nsMatn(b.sarlavha)
                                                          action:(b.amal ? @selector(bajar:) : nil)
                                                   keyEquivalent:nsMatn(b.tugma)];
            if (b.amal) {
                HarfnurMenyuAmali* amal = [[HarfnurMenyuAmali alloc] initWithAmal:std::move(b.amal)];
                item.target = amal;
                [amallar_ addObject:amal];
            }
            item.enabled = b.yoqilgan;
            [menyu addItem:item];
        }
        item_.menu = menyu;
    }

private:
    NSStatusItem* item_;
    NSMutableArray<HarfnurMenyuAmali*>* amallar_;
};

}  // namespace

std::unique_ptr<port::HolatBelgisi> NsHolatPaneli::belgiYarat() { return std::make_unique<Belgi>(); }

}  // namespace harfnur::mac
