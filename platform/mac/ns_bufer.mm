#include "platform/mac/ns_bufer.h"

#import <AppKit/AppKit.h>

#include <atomic>
#include <chrono>
#include <mutex>
#include <utility>
#include <vector>

#include "platform/bufer_bandlari.h"

namespace harfnur::mac {

// Shared by the backend and every provider it made: a provider may be asked
// after the backend has moved on.
struct OqishSanogi {
    std::atomic<std::int64_t> son{0};
    std::atomic<int> ozimiz{0};  // reads of this program's own, in progress
};

}  // namespace harfnur::mac

// Gives the bytes of the item `yoz` wrote when they are asked for, and counts
// each asking by another application.
@interface HarfnurBuferBeruvchi : NSObject <NSPasteboardItemDataProvider>
- (instancetype)initWithTurlar:(std::vector<std::pair<std::string, std::string>>)turlar
                         sanoq:(std::shared_ptr<harfnur::mac::OqishSanogi>)sanoq;
@end

@implementation HarfnurBuferBeruvchi {
    std::mutex _qulf;  // asked on the main thread, written from the conversion queue
    std::vector<std::pair<std::string, std::string>> _turlar;
    std::shared_ptr<harfnur::mac::OqishSanogi> _sanoq;
}

- (instancetype)initWithTurlar:(std::vector<std::pair<std::string, std::string>>)turlar
                         sanoq:(std::shared_ptr<harfnur::mac::OqishSanogi>)sanoq {
    if ((self = [super init])) {
        _turlar = std::move(turlar);
        _sanoq = std::move(sanoq);
    }
    return self;
}

- (void)pasteboard:(nullable NSPasteboard*)pasteboard
                  item:(NSPasteboardItem*)item
    provideDataForType:(NSPasteboardType)type {
    (void)pasteboard;
    const char* nomi = type.UTF8String;
    if (!nomi) return;
    std::lock_guard l(_qulf);
    for (const auto& [tur, baytlar] : _turlar) {
        if (tur != nomi) continue;
        // Given here and now: the asker waits for it.
        [item setData:[NSData dataWithBytes:baytlar.data() length:baytlar.size()] forType:type];
        if (!_sanoq->ozimiz.load()) ++_sanoq->son;
        return;
    }
}

- (void)pasteboardFinishedWithDataProvider:(NSPasteboard*)pasteboard {
    (void)pasteboard;
    std::lock_guard l(_qulf);
    _turlar.clear();  // nothing will ask again: the converted text goes now
}

@end

namespace harfnur::mac {
namespace {

NSPasteboard* umumiy() { return [NSPasteboard generalPasteboard]; }

// `bytes` is nil for empty data.
std::string baytlar(NSData* d) {
    return d.length ? std::string(static_cast<const char*>(d.bytes), d.length) : std::string();
}

NSString* nsMatn(const std::string& s) {
    return [[NSString alloc] initWithBytes:s.data() length:s.size() encoding:NSUTF8StringEncoding];
}

// Clipboard histories leave an item with this type out (nspasteboard.org).
NSString* const otkinchiTur = @"org.nspasteboard.TransientType";

// Our own reads of our own item are no target's paste: not counted.
class OzOqishi {
public:
    explicit OzOqishi(OqishSanogi& s) : s_(s) { ++s_.ozimiz; }
    ~OzOqishi() { --s_.ozimiz; }
    OzOqishi(const OzOqishi&) = delete;
    OzOqishi& operator=(const OzOqishi&) = delete;

private:
    OqishSanogi& s_;
};

}  // namespace

struct NsBufer::Ichki {
    std::shared_ptr<OqishSanogi> sanoq = std::make_shared<OqishSanogi>();
    HarfnurBuferBeruvchi* beruvchi = nil;  // of what `yoz` wrote, until the pasteboard is cleared
};

NsBufer::NsBufer() : i_(std::make_unique<Ichki>()) {}
NsBufer::~NsBufer() = default;

std::int64_t NsBufer::ozgarishSoni() { return umumiy().changeCount; }

std::optional<std::string> NsBufer::matn() {
    OzOqishi oz(*i_->sanoq);
    NSString* s = [umumiy() stringForType:NSPasteboardTypeString];
    if (!s) return std::nullopt;
    // Lossy only for text that is not valid Unicode (a lone surrogate).
    NSData* d = [s dataUsingEncoding:NSUTF8StringEncoding allowLossyConversion:YES];
    return d ? baytlar(d) : std::string();
}

void NsBufer::tozala() {
    [umumiy() clearContents];
    i_->beruvchi = nil;
}

void NsBufer::matnYoz(const std::string& matn) {
    NSString* s = nsMatn(matn);
    if (!s) return;
    [umumiy() setString:s forType:NSPasteboardTypeString];
    i_->beruvchi = nil;
}

port::BuferNusxasi NsBufer::olish(const port::TurTanlovi& kerakmi) {
    OzOqishi oz(*i_->sanoq);
    const auto muddat = std::chrono::steady_clock::now() + olishMuddati;
    NSArray<NSPasteboardItem*>* bandlar = umumiy().pasteboardItems;  // nil: nothing to read
    std::vector<std::vector<std::string>> turlar;
    for (NSPasteboardItem* band in bandlar) {
        auto& t = turlar.emplace_back();
        for (NSPasteboardType tur in band.types) {
            // Any application names its types: one that is not valid Unicode
            // has no UTF-8 form and could not be written back by name.
            const char* nomi = tur.UTF8String;
            if (nomi && *nomi) t.emplace_back(nomi);
        }
    }
    // A type its owner only promised is asked of the owner here, and the
    // call waits for it: no new one starts once the time is spent.
    return muddatliOlish(
        turlar, kerakmi,
        [bandlar](std::size_t i, const std::string& tur) -> std::optional<std::string> {
            NSString* nomi = nsMatn(tur);
            NSData* d = nomi ? [bandlar[i] dataForType:nomi] : nil;
            if (!d) return std::nullopt;  // promised data its owner no longer gives
            return baytlar(d);
        },
        [muddat] { return std::chrono::steady_clock::now() < muddat; });
}

void NsBufer::qaytar(const port::BuferNusxasi& nusxa) {
    NSMutableArray<NSPasteboardItem*>* yangi = [NSMutableArray array];
    for (const BuferBandi& b : nusxadanBandlar(nusxa)) {
        NSPasteboardItem* band = [[NSPasteboardItem alloc] init];
        for (const auto& [tur, malumot] : b) {
            NSString* t = nsMatn(tur);
            if (t) [band setData:[NSData dataWithBytes:malumot.data() length:malumot.size()] forType:t];
        }
        [yangi addObject:band];
    }
    [umumiy() clearContents];
    i_->beruvchi = nil;
    if (yangi.count) [umumiy() writeObjects:yangi];
}

void NsBufer::yoz(const std::string& matn, const port::BuferNusxasi& boylar) {
    // Richest first, the plain text last.
    std::vector<std::pair<std::string, std::string>> turlar;
    NSMutableArray<NSPasteboardType>* nomlar = [NSMutableArray array];
    for (const auto& [tur, malumot] : boylar.turlar) {
        NSString* t = nsMatn(tur);
        if (!t || tur.empty()) continue;
        turlar.emplace_back(tur, malumot);
        [nomlar addObject:t];
    }
    turlar.emplace_back(NSPasteboardTypeString.UTF8String ?: "", matn);
    [nomlar addObject:NSPasteboardTypeString];

    HarfnurBuferBeruvchi* beruvchi = [[HarfnurBuferBeruvchi alloc] initWithTurlar:turlar sanoq:i_->sanoq];
    NSPasteboardItem* band = [[NSPasteboardItem alloc] init];
    if (![band setDataProvider:beruvchi forTypes:nomlar]) {
        // The paste still works; only its reading goes unseen.
        beruvchi = nil;
        for (NSUInteger i = 0; i < nomlar.count; ++i)
            [band setData:[NSData dataWithBytes:turlar[i].second.data() length:turlar[i].second.size()]
                  forType:nomlar[i]];
    }
    [band setData:[NSData data] forType:otkinchiTur];
    NSMutableArray<NSPasteboardItem*>* yangi = [NSMutableArray array];
    [yangi addObject:band];
    [umumiy() clearContents];
    i_->beruvchi = beruvchi;
    [umumiy() writeObjects:yangi];
}

std::int64_t NsBufer::oqilishSoni() { return i_->sanoq->son.load(); }

port::BuferRuxsati buferRuxsati() {
    if (@available(macOS 15.4, *)) {
        switch (umumiy().accessBehavior) {
            case NSPasteboardAccessBehaviorDefault: return port::BuferRuxsati::standart;
            case NSPasteboardAccessBehaviorAsk: return port::BuferRuxsati::sorasin;
            case NSPasteboardAccessBehaviorAlwaysAllow: return port::BuferRuxsati::doimo;
            case NSPasteboardAccessBehaviorAlwaysDeny: return port::BuferRuxsati::hechqachon;
        }
        return port::BuferRuxsati::sorasin;  // a behaviour newer than this program: it may ask
    }
    return port::BuferRuxsati::yoq;
}

}  // namespace harfnur::mac
