// Harfnur on macOS: the menu-bar application, or the self-test.
#import <Foundation/Foundation.h>

#include <cstdio>
#include <cstring>
#include <iostream>

#include "app/kirish.h"
#include "platform/mac/cg_tugma_yuborish.h"
#include "platform/mac/gcd_navbat.h"
#include "platform/mac/mac_ruxsat.h"
#include "platform/mac/mac_xizmatlar.h"
#include "platform/mac/ns_bufer.h"
#include "platform/mac/ns_holat_paneli.h"
#include "platform/mac/ns_ilova.h"
#include "platform/mac/ns_kuzatuv.h"
#include "platform/mac/ns_oyna.h"
#include "platform/mac/sm_avtoyuklash.h"
#include "platform/mac/tis_klaviatura.h"
#include "platform/terminal.h"
#include "platform/yashirin.h"

#ifndef HARFNUR_VERSION
#define HARFNUR_VERSION ""
#endif

namespace {

using namespace harfnur;
using namespace harfnur::mac;

std::string versiya() {
    id v = [[NSBundle mainBundle] objectForInfoDictionaryKey:@"CFBundleShortVersionString"];
    NSString* s = [v isKindOfClass:[NSString class]] ? v : nil;
    const char* c = s.UTF8String;
    return c && *c ? c : HARFNUR_VERSION;
}

}  // namespace

int main(int argc, char** argv) {
    // With the self-test switch every other argument is ignored, so that its
    // one result line is always printed.
    const bool sinov = sinovmi(argc, argv);
    for (int i = 1; i < argc && !sinov; ++i) {
        if (!std::strcmp(argv[i], "--help") || !std::strcmp(argv[i], "-h")) {
            std::printf(
                "Usage: Harfnur [--sinov-ikki-shift]\n"
                "Runs Harfnur in the menu bar: tap Shift twice in any application to convert the\n"
                "focused field from old Latin or Cyrillic Uzbek to the reformed Latin orthography.\n"
                "  --sinov-ikki-shift  self-test: tap Shift twice, then print the focused field\n"
                "                      as \"NATIJA: <text>\" (needs a running Harfnur)\n");
            return 0;
        }
        if (!std::strcmp(argv[i], "--version")) {
            std::printf("Harfnur %s\n", versiya().c_str());
            return 0;
        }
    }
    @autoreleasepool {
        MacSoati soat;
        NsBufer nsBufer;
        YashirinQoriqchisi bufer(nsBufer);  // a password manager's item is never converted
        CgTugmaYuborish cgTugmalar(joriyTugmaKodlari);  // asks it on the main thread
        TerminalQoriqchisi tugmalar(cgTugmalar, oldingiIlovaId);  // no select-all in a terminal
        NsKuzatuv kuzatuv;
        MacRuxsat ruxsat;
        NsSozlamalar sozlamalar;
        MacJurnalJoyi jurnalJoyi;
        GcdNavbat navbat(ilovaIdentifikatori());
        const Platforma asos{soat, bufer, tugmalar, kuzatuv, ruxsat, sozlamalar, jurnalJoyi, navbat};
        if (sinov) return sinovIkkiShift(asos, std::cout);

        NsIlova ilova;
        NsHolatPaneli panel;
        NsOgohlantirish ogohlantirish;
        NsOynaXizmati oynalar;
        SmAvtoyuklash avtoyuklash;
        NsTizimJurnali tizimJurnali;
        // The default texts and location check are the macOS ones.
        const IlovaPlatformasi p{asos, ruxsat, ilova, panel, ogohlantirish, oynalar, avtoyuklash, tizimJurnali,
                                 {}, nullptr, buferRuxsati};
        return ishgaTushir(p);
    }
}
