#include "platform/mac/ns_oyna.h"

#import <AppKit/AppKit.h>
#import <QuartzCore/QuartzCore.h>
#include <dispatch/dispatch.h>

#include "onboarding/tanishtiruv.h"

// The target of a button or the switch; controls hold their targets weakly,
// so the window's content keeps these.
@interface HarfnurOynaAmali : NSObject
- (instancetype)initWithAmal:(std::function<void()>)amal;
- (instancetype)initWithAlmashtir:(std::function<void(bool)>)almashtir;
- (void)bajar:(id)sender;
- (void)almashtir:(NSSwitch*)sender;
@end

@implementation HarfnurOynaAmali {
    std::function<void()> _amal;
    std::function<void(bool)> _almashtir;
}

- (instancetype)initWithAmal:(std::function<void()>)amal {
    if ((self = [super init])) _amal = std::move(amal);
    return self;
}

- (instancetype)initWithAlmashtir:(std::function<void(bool)>)almashtir {
    if ((self = [super init])) _almashtir = std::move(almashtir);
    return self;
}

- (void)bajar:(id)sender {
    (void)sender;
    if (_amal) _amal();
}

- (void)almashtir:(NSSwitch*)sender {
    if (_almashtir) _almashtir(sender.state == NSControlStateValueOn);
}

@end

namespace harfnur::mac {
namespace {

NSString* nsMatn(const std::string& s) {
    return [[NSString alloc] initWithBytes:s.data() length:s.size() encoding:NSUTF8StringEncoding] ?: @"";
}

NSColor* nsRang(const Rang& r) { return [NSColor colorWithSRGBRed:r.q green:r.y blue:r.k alpha:r.shaffof]; }

void olcha(NSView* v, double kenglik, double balandlik) {
    v.translatesAutoresizingMaskIntoConstraints = NO;
    [v.widthAnchor constraintEqualToConstant:kenglik].active = YES;
    [v.heightAnchor constraintEqualToConstant:balandlik].active = YES;
}

// A label; a wrapping one is told how wide it may grow, so its height follows.
NSTextField* yorliq(const std::string& s, NSFont* shrift, bool ikkilamchi, double kenglik = 0) {
    NSTextField* l = kenglik > 0 ? [NSTextField wrappingLabelWithString:nsMatn(s)] : [NSTextField labelWithString:nsMatn(s)];
    l.font = shrift;
    if (ikkilamchi) l.textColor = [NSColor secondaryLabelColor];
    if (kenglik > 0) l.preferredMaxLayoutWidth = kenglik;
    return l;
}

NSFont* uslubShrifti(NSFontTextStyle uslub, bool qalin) {
    NSFont* f = [NSFont preferredFontForTextStyle:uslub options:@{}];
    return qalin ? [NSFont systemFontOfSize:f.pointSize weight:NSFontWeightBold] : f;
}

// A coloured shape with a centred glyph: the logo tile and the step badges.
NSView* nishon(double olcham, double radius, bool uzluksiz, Rang fon, Rang rang, const std::string& matn,
               double shrift) {
    NSView* v = [[NSView alloc] init];
    v.wantsLayer = YES;
    v.layer.backgroundColor = nsRang(fon).CGColor;
    v.layer.cornerRadius = radius;
    if (uzluksiz) v.layer.cornerCurve = kCACornerCurveContinuous;
    olcha(v, olcham, olcham);
    NSTextField* y = [NSTextField labelWithString:nsMatn(matn)];
    y.font = [NSFont systemFontOfSize:shrift weight:NSFontWeightBold];
    y.textColor = nsRang(rang);
    y.translatesAutoresizingMaskIntoConstraints = NO;
    [v addSubview:y];
    [y.centerXAnchor constraintEqualToAnchor:v.centerXAnchor].active = YES;
    [y.centerYAnchor constraintEqualToAnchor:v.centerYAnchor].active = YES;
    return v;
}

NSStackView* qator(NSUserInterfaceLayoutOrientation yonalish, NSLayoutAttribute tekislash, double oraliq) {
    NSStackView* s = [[NSStackView alloc] init];
    s.orientation = yonalish;
    s.alignment = tekislash;
    s.spacing = oraliq;
    return s;
}

// Everything the content is built from and with; rebuilt on every change.
struct Ichki : std::enable_shared_from_this<Ichki> {
    std::shared_ptr<Tanishtiruv> korinish;
    NSWindow* oyna;
    NSMutableArray<HarfnurOynaAmali*>* amallar;

    HarfnurOynaAmali* amal(std::function<void()> f) {
        HarfnurOynaAmali* a = [[HarfnurOynaAmali alloc] initWithAmal:std::move(f)];
        [amallar addObject:a];
        return a;
    }

    NSButton* tugma(const Tugma& t) {
        NSButton* b = [NSButton buttonWithTitle:nsMatn(t.sarlavha) target:amal(t.amal) action:@selector(bajar:)];
        if (t.standartmi) b.keyEquivalent = @"\r";  // the Return key presses it
        return b;
    }

    NSView* qadamQatori(const Qadam& q) {
        const double ustun = Tanishtiruv::kenglik - 2 * Tanishtiruv::chekka - Qadam::nishon - Qadam::oraliq;
        NSStackView* h = qator(NSUserInterfaceLayoutOrientationHorizontal, NSLayoutAttributeTop, Qadam::oraliq);
        [h addArrangedSubview:nishon(Qadam::nishon, Qadam::nishon / 2, false, q.nishonRangi(), q.nishonMatnRangi(),
                                     q.nishonMatni(), Qadam::nishonShrifti)];
        NSStackView* v = qator(NSUserInterfaceLayoutOrientationVertical, NSLayoutAttributeLeading, Qadam::matnOraligi);
        [v addArrangedSubview:yorliq(q.sarlavha, uslubShrifti(NSFontTextStyleHeadline, false), false)];
        [v addArrangedSubview:yorliq(q.matn, [NSFont systemFontOfSize:NSFont.systemFontSize], true, ustun)];
        if (q.tugma) {
            NSButton* b = tugma(*q.tugma);
            [v addArrangedSubview:b];
            [v setCustomSpacing:Qadam::matnOraligi + 4 afterView:v.arrangedSubviews[1]];
        }
        [h addArrangedSubview:v];
        return h;
    }

    void chiz() {
        const TanishtiruvKorinishi k = korinish->korinish();
        amallar = [NSMutableArray array];
        const double ichKenglik = Tanishtiruv::kenglik - 2 * Tanishtiruv::chekka;

        NSStackView* ildiz = qator(NSUserInterfaceLayoutOrientationVertical, NSLayoutAttributeLeading, Tanishtiruv::oraliq);
        const double c = Tanishtiruv::chekka;
        ildiz.edgeInsets = NSEdgeInsetsMake(c, c, c, c);

        NSStackView* bosh =
            qator(NSUserInterfaceLayoutOrientationHorizontal, NSLayoutAttributeCenterY, Tanishtiruv::sarlavhaOraligi);
        [bosh addArrangedSubview:nishon(Tanishtiruv::logo, Tanishtiruv::logoRadiusi, true, lime, qora, k.logo,
                                        Tanishtiruv::logoShrifti)];
        NSStackView* matnlar =
            qator(NSUserInterfaceLayoutOrientationVertical, NSLayoutAttributeLeading, Tanishtiruv::matnOraligi);
        [matnlar addArrangedSubview:yorliq(k.sarlavha, uslubShrifti(NSFontTextStyleTitle2, true), false)];
        [matnlar addArrangedSubview:yorliq(k.tavsif, [NSFont systemFontOfSize:NSFont.systemFontSize], true,
                                           ichKenglik - Tanishtiruv::logo - Tanishtiruv::sarlavhaOraligi)];
        [bosh addArrangedSubview:matnlar];
        [ildiz addArrangedSubview:bosh];

        [ildiz addArrangedSubview:qadamQatori(k.qadam1)];
        if (k.buferQadami) [ildiz addArrangedSubview:qadamQatori(*k.buferQadami)];
        [ildiz addArrangedSubview:qadamQatori(k.qadam2)];

        if (k.avtoyuklash) {
            NSStackView* q = qator(NSUserInterfaceLayoutOrientationHorizontal, NSLayoutAttributeCenterY, 8);
            [q addArrangedSubview:yorliq(k.avtoyuklash->matn, [NSFont systemFontOfSize:NSFont.systemFontSize], false)];
            NSSwitch* s = [[NSSwitch alloc] init];
            s.state = k.avtoyuklash->qiymat ? NSControlStateValueOn : NSControlStateValueOff;
            // The switch then shows the state read back from the service,
            // also when a refused change leaves it as it was.
            HarfnurOynaAmali* a = [[HarfnurOynaAmali alloc]
                initWithAlmashtir:[f = k.avtoyuklash->ozgartir, zaif = weak_from_this()](bool yangi) {
                    f(yangi);
                    qaytaChiz(zaif);
                }];
            [amallar addObject:a];
            s.target = a;
            s.action = @selector(almashtir:);
            [q addArrangedSubview:s];
            [ildiz addArrangedSubview:q];
        }
        if (k.eslatma)
            [ildiz addArrangedSubview:yorliq(*k.eslatma, [NSFont systemFontOfSize:NSFont.systemFontSize], true,
                                             ichKenglik)];

        NSStackView* past = qator(NSUserInterfaceLayoutOrientationHorizontal, NSLayoutAttributeCenterY, 8);
        past.distribution = NSStackViewDistributionFill;
        [past addArrangedSubview:yorliq(k.izoh, uslubShrifti(NSFontTextStyleCaption1, false), true)];
        NSView* bosliq = [[NSView alloc] init];  // pushes the button to the trailing edge
        [bosliq setContentHuggingPriority:1 forOrientation:NSLayoutConstraintOrientationHorizontal];
        [past addArrangedSubview:bosliq];
        [past addArrangedSubview:tugma(k.pastki)];
        [ildiz addArrangedSubview:past];
        [past.widthAnchor constraintEqualToConstant:ichKenglik].active = YES;

        ildiz.translatesAutoresizingMaskIntoConstraints = NO;
        [ildiz.widthAnchor constraintEqualToConstant:Tanishtiruv::kenglik].active = YES;
        oyna.contentView = ildiz;
        [ildiz layoutSubtreeIfNeeded];

        // The height follows the content; the top edge stays where it was.
        const NSSize olcham = ildiz.fittingSize;
        const NSRect eski = oyna.frame;
        NSRect yangi = [oyna frameRectForContentRect:NSMakeRect(0, 0, olcham.width, olcham.height)];
        yangi.origin.x = eski.origin.x;
        yangi.origin.y = NSMaxY(eski) - yangi.size.height;
        [oyna setFrame:yangi display:YES];
    }

    // After the handler that changed the state has returned: the control
    // that was clicked may be among the views replaced.
    static void qaytaChiz(std::weak_ptr<Ichki> zaif) {
        dispatch_async(dispatch_get_main_queue(), ^{
          if (auto i = zaif.lock()) i->chiz();
        });
    }
};

class Oyna final : public port::Oyna {
public:
    explicit Oyna(std::shared_ptr<Tanishtiruv> korinish) : i_(std::make_shared<Ichki>()) {
        i_->korinish = std::move(korinish);
        i_->oyna = [[NSWindow alloc] initWithContentRect:NSMakeRect(0, 0, Tanishtiruv::kenglik, 1)
                                               styleMask:NSWindowStyleMaskTitled | NSWindowStyleMaskClosable
                                                 backing:NSBackingStoreBuffered
                                                   defer:NO];
        i_->oyna.releasedWhenClosed = NO;  // closing only hides it; we keep it
        i_->chiz();
        obuna_ = i_->korinish->ozgarganda([zaif = std::weak_ptr<Ichki>(i_)] { Ichki::qaytaChiz(zaif); });
    }
    ~Oyna() override {
        i_->korinish->holat->kuzatma(obuna_);
        [i_->oyna close];
    }

    void sarlavhaQoy(const std::string& s) override { i_->oyna.title = nsMatn(s); }
    void uslubQoy(unsigned niqob) override {
        NSWindowStyleMask m = NSWindowStyleMaskBorderless;
        if (niqob & port::sarlavhaliUslub) m |= NSWindowStyleMaskTitled;
        if (niqob & port::yopiladiganUslub) m |= NSWindowStyleMaskClosable;
        i_->oyna.styleMask = m;
    }
    void markazla() override { [i_->oyna center]; }
    void oldingaChiqar() override { [i_->oyna makeKeyAndOrderFront:nil]; }
    void yop() override { [i_->oyna close]; }

private:
    std::shared_ptr<Ichki> i_;
    RuxsatHolati::KuzatuvchiBelgisi obuna_;
};

}  // namespace

std::unique_ptr<port::Oyna> NsOynaXizmati::yarat(std::shared_ptr<Tanishtiruv> korinish) {
    return std::make_unique<Oyna>(std::move(korinish));
}

}  // namespace harfnur::mac
