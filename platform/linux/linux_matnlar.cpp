#include "platform/linux/linux_matnlar.h"

namespace harfnur::linux_ {

PlatformaMatnlari linuxMatnlari(const LinuxMuhiti& m) {
    PlatformaMatnlari t;
    const char* qiling = 
        " «Harfnur» ni bu kengaytmalar yoqilgan X serverda (masalan, odatdagi Xorg seansida) işga tuşiring, keyin "
        "«Qayta tekşiriş» ni bosing.";
    if (!m.xinput && !m.xtest)
        t.ruxsatMatni = std::string("Bu displeyda XInput 2.1 ham, XTEST ham yöq: Harfnur Shift bosilganini köra olmaydi va "
                                    "Ctrl+C, Ctrl+V tugmalarini yubora olmaydi.") + qiling;
    else if (!m.xinput)
        t.ruxsatMatni = std::string("Bu displeyda XInput 2.1 yöq: Harfnur Shift bosilganini köra olmaydi.") + qiling;
    else
        t.ruxsatMatni = std::string("Bu displeyda XTEST kengaytmasi yöq: Harfnur Ctrl+C, Ctrl+V tugmalarini yubora "
                                    "olmaydi.") + qiling;
    t.ruxsatTugmasi = "Qayta tekşiriş";
    t.izoh = m.panel ? "Paneldagi «Ö» belgisi orqali yoki «Harfnur» ni yana işga tuşirib qayta oçiş mumkin."
                     : "«Harfnur» ni yana işga tuşirib bu oynani qayta oçiş mumkin.";

    std::string eslatma;
    if (m.wayland) {
        eslatma = "Wayland seansi: Harfnur faqat X11 (XWayland) dasturlarida işlaydi.";
        t.belgiIzohi = "Harfnur: Shift’ni ikki marta bosing (faqat X11 dasturlarida)";
    }
    if (!m.panel) {
        if (!eslatma.empty()) eslatma += ' ';
        eslatma += "Bu ish stolida tizim paneli yöq, «Ö» belgisi körinmaydi: Harfnur fonda işlayveradi.";
    }
    if (!eslatma.empty()) t.eslatma = eslatma;
    return t;
}

}  // namespace harfnur::linux_
