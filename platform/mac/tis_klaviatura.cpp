#include "platform/mac/tis_klaviatura.h"

#include <Carbon/Carbon.h>

#include "platform/mac/cf_egasi.h"

namespace harfnur::mac {

TugmaKodlari joriyTugmaKodlari() {
    const CfEgasi<TISInputSourceRef> manba(TISCopyCurrentASCIICapableKeyboardLayoutInputSource());
    if (!manba) return {};
    // Owned by the source, which is kept until the search is done.
    const auto malumot =
        static_cast<CFDataRef>(TISGetInputSourceProperty(manba.get(), kTISPropertyUnicodeKeyLayoutData));
    if (!malumot) return {};
    const auto* tartib = reinterpret_cast<const UCKeyboardLayout*>(CFDataGetBytePtr(malumot));
    const UInt32 klaviaturaTuri = LMGetKbdType();

    return tugmaKodlariniTop([&](std::uint16_t kod, std::uint64_t bayroqlar) {
        // Modifier state in the form UCKeyTranslate takes: the Carbon
        // modifier bits shifted down by 8.
        const UInt32 modifikatorlar = (bayroqlar & hodisa::buyruqBayrogi) ? (cmdKey >> 8) & 0xFF : 0;
        UInt32 olikHolat = 0;
        UniChar belgilar[8];
        UniCharCount uzunlik = 0;
        const OSStatus natija =
            UCKeyTranslate(tartib, kod, kUCKeyActionDown, modifikatorlar, klaviaturaTuri, kUCKeyTranslateNoDeadKeysMask,
                           &olikHolat, sizeof belgilar / sizeof belgilar[0], &uzunlik, belgilar);
        if (natija != noErr) return std::u16string();
        std::u16string s;
        for (UniCharCount i = 0; i < uzunlik; ++i) s.push_back(char16_t(belgilar[i]));
        return s;
    });
}

}  // namespace harfnur::mac
