// The user-visible texts that say how things are on Windows.
#pragma once

#include "platform/matnlar.h"

namespace harfnur::windows_ {

inline PlatformaMatnlari windowsMatnlari() {
    PlatformaMatnlari m;
    // Windows asks for no permission: the step is done from the start, and
    // what it cannot do is said under the steps.
    m.ruxsatMatni =
        "Windows bu ruxsatni alohida söramaydi. Faqat administrator sifatida işlayotgan dasturlarga Harfnur yeta "
        "olmaydi.";
    m.eslatma =
        "Administrator sifatida oçilgan dasturlardagi matnga Harfnur yeta olmaydi: Windows bunga yöl qöymaydi.";
    m.izoh = "Bildirişnomalar sohasidagi «Ö» belgisi orqali qayta oçiş mumkin.";
    m.joyXabari = "Avval arxivdan çiqaring";
    m.joyIzohi =
        "«Harfnur» ZIP arxiv içidan oçildi. Arxivni biror papkaga çiqaring yoki örnatuvçi bilan örnating, keyin uni "
        "öşa yerdan oçing.";
    m.joyTugmasi = "Tuşunarli";
    return m;
}

}  // namespace harfnur::windows_
