#include "platform/mac/sm_avtoyuklash.h"

#import <Foundation/Foundation.h>
#import <ServiceManagement/ServiceManagement.h>

namespace harfnur::mac {
namespace {

// The error's own description, as the system log should show it.
std::optional<std::string> xatosi(BOOL boldimi, NSError* xato) {
    if (boldimi) return std::nullopt;
    NSString* s = xato ? xato.description : @"SMAppService";
    return std::string(s.UTF8String ? s.UTF8String : "");
}

}  // namespace

bool SmAvtoyuklash::bormi() {
    if (@available(macOS 13.0, *)) return true;
    return false;
}

port::AvtoyuklashHolati SmAvtoyuklash::holat() {
    if (@available(macOS 13.0, *)) {
        switch (SMAppService.mainAppService.status) {
            case SMAppServiceStatusNotRegistered: return port::AvtoyuklashHolati::royxatdaEmas;
            case SMAppServiceStatusEnabled: return port::AvtoyuklashHolati::yoqilgan;
            case SMAppServiceStatusRequiresApproval: return port::AvtoyuklashHolati::tasdiqKerak;
            case SMAppServiceStatusNotFound: return port::AvtoyuklashHolati::topilmadi;
        }
    }
    return port::AvtoyuklashHolati::topilmadi;
}

std::optional<std::string> SmAvtoyuklash::royxatgaOl() {
    if (@available(macOS 13.0, *)) {
        NSError* xato = nil;
        const BOOL b = [SMAppService.mainAppService registerAndReturnError:&xato];
        return xatosi(b, xato);
    }
    return std::nullopt;  // not asked: the core checks bormi() first
}

std::optional<std::string> SmAvtoyuklash::royxatdanChiqar() {
    if (@available(macOS 13.0, *)) {
        NSError* xato = nil;
        const BOOL b = [SMAppService.mainAppService unregisterAndReturnError:&xato];
        return xatosi(b, xato);
    }
    return std::nullopt;
}

}  // namespace harfnur::mac
