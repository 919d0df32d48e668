#include "platform/mac/ns_bufer.h"

#import <AppKit/AppKit.h>

#include "platform/bufer_bandlari.h"

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
    std::vector<BuferBandi> bandlar;
    for (NSPasteboardItem* band in umumiy().pasteboardItems) {
        BuferBandi& b = bandlar.emplace_back();
        for (NSPasteboardType tur in band.types) {
            // Any application names its types: one that is not valid Unicode
            // has no UTF-8 form and could not be written back by name.
            const char* nomi = tur.UTF8String;
            NSData* d = nomi ? [band dataForType:tur] : nil;
            if (d) b.emplace_back(nomi, baytlar(d));  // nil: promised data its owner no longer gives
        }
    }
    return bandlardanNusxa(bandlar);
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
    if (yangi.count) [umumiy() writeObjects:yangi];
}

}  // namespace harfnur::mac
