#include "platform/mac/mac_xizmatlar.h"

#import <Foundation/Foundation.h>
#include <unistd.h>

#include <cmath>

namespace harfnur::mac {
namespace {

NSString* nsMatn(std::string_view s) {
    return [[NSString alloc] initWithBytes:s.data() length:s.size() encoding:NSUTF8StringEncoding] ?: @"";
}

}  // namespace

std::string ilovaIdentifikatori() {
    const char* id_ = [NSBundle mainBundle].bundleIdentifier.UTF8String;  // NULL without a bundle
    return std::string(id_ && *id_ ? id_ : zaxiraIdentifikator);
}

bool NsSozlamalar::mantiqiy(std::string_view kalit) {
    return [[NSUserDefaults standardUserDefaults] boolForKey:nsMatn(kalit)];
}

void NsSozlamalar::yoz(std::string_view kalit, bool qiymat) {
    [[NSUserDefaults standardUserDefaults] setBool:qiymat forKey:nsMatn(kalit)];
}

std::optional<std::filesystem::path> MacJurnalJoyi::fayl() {
    NSURL* uy = [NSFileManager defaultManager].homeDirectoryForCurrentUser;
    const char* yol = uy.fileSystemRepresentation;
    if (!yol) return std::nullopt;
    return std::filesystem::path(yol) / "Library" / "Logs" / "Harfnur.log";
}

void NsTizimJurnali::yoz(const std::string& satr) { NSLog(@"%@", nsMatn(satr)); }

port::Mikro MacSoati::hozir() {
    return port::Mikro(std::llround([NSProcessInfo processInfo].systemUptime * 1e6));
}

void MacSoati::uxla(port::Mikro muddat) {
    // usleep may refuse a second or more at once.
    for (auto qolgan = muddat.count(); qolgan > 0;) {
        const auto bolak = qolgan < 999'999 ? qolgan : 999'999;
        ::usleep(useconds_t(bolak));
        qolgan -= bolak;
    }
}

}  // namespace harfnur::mac
