#include "platform/mac/ns_bufer.h"

#import <AppKit/AppKit.h>

namespace harfnur::mac {
namespace {

NSPasteboard* umumiy() { return [NSPasteboard generalPasteboard]; }

std::string baytlar(NSData* d) { return std::string(static_cast<const char*>(d.bytes), d.length); }

NSString* nsMatn(const std::string& s) {
    return [[NSString alloc] initWithBytes:s.data() length:s.size() encoding:NSUTF8StringEncoding];
}

}  // namespace

std::int64_t NsBufer::ozgarishSoni() { return umumiy().changeCount; }

std::optional<std::string> NsBufer::matn() {
    NSString* s = [umumiy() stringForType:NSPasteboardTypeString];
    if (!s) return std::nullopt;
    // Lossy only for text that is not valid Unicode (a lone surrogate).
    NSData* d = [s dataUsingEncoding:NSUTF8StringEncoding allowLossyConversion:YES];
    return d ? baytlar(d) : std::string();
}

void NsBufer::tozala() { [umumiy() clearContents]; }

void NsBufer::matnYoz(const std::string& matn) {
    NSString* s = nsMatn(matn);
    if (s) [umumiy() setString:s forType:NSPasteboardTypeString];
}

port::BuferNusxasi NsBufer::olish() {
    port::BuferNusxasi n;
    for (NSPasteboardItem* band in umumiy().pasteboardItems) {
        const std::size_t bosh = n.turlar.size();
        if (bosh) n.turlar.emplace_back();  // the next item begins
        bool bormi = false;
        for (NSPasteboardType tur in band.types) {
            NSData* d = [band dataForType:tur];
            if (!d) continue;  // promised data its owner no longer gives
            n.turlar.emplace_back(tur.UTF8String, baytlar(d));
            bormi = true;
        }
        if (!bormi) n.turlar.resize(bosh);  // an item with nothing to keep
    }
    return n;
}

void NsBufer::qaytar(const port::BuferNusxasi& nusxa) {
    NSMutableArray<NSPasteboardItem*>* bandlar = [NSMutableArray array];
    NSPasteboardItem* band = nil;
    for (const auto& [tur, malumot] : nusxa.turlar) {
        if (tur.empty()) {
            band = nil;
            continue;
        }
        NSString* t = nsMatn(tur);
        if (!t) continue;
        if (!band) {
            band = [[NSPasteboardItem alloc] init];
            [bandlar addObject:band];
        }
        [band setData:[NSData dataWithBytes:malumot.data() length:malumot.size()] forType:t];
    }
    [umumiy() clearContents];
    if (bandlar.count) [umumiy() writeObjects:bandlar];
}

}  // namespace harfnur::mac
