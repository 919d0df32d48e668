#include "onboarding/tanishtiruv.h"

namespace harfnur {

TanishtiruvKorinishi Tanishtiruv::korinish() const {
    const bool ruxsat = holat->ruxsat();
    TanishtiruvKorinishi k;
    k.logo = "Ö";
    k.sarlavha = "Imloçi";
    k.tavsif = "Eski yozuvdagi matn Shift’ni ikki marta bosganda harfnurga almaşadi.";

    k.qadam1.raqam = std::string("1");  // a temporary: GCC 12 misreads the short literal assignment (-Wrestrict)
    k.qadam1.tayyor = ruxsat;
    if (ruxsat) {
        k.qadam1.sarlavha = "Ruxsat berildi";
        k.qadam1.matn = "Hammasi tayyor, Imloçi işlayapti.";
    } else {
        k.qadam1.sarlavha = "Ruxsat bering";
        k.qadam1.matn = matnlar_.ruxsatMatni;
        k.qadam1.tugma = Tugma{matnlar_.ruxsatTugmasi, [h = holat] { h->sora(); }, false};
    }

    k.qadam2.raqam = std::string("2");
    k.qadam2.sarlavha = "Yozing";
    k.qadam2.matn =
        "Telegram, Notes, Word yoki brauzerda o'g'il deb yozing va Shift’ni tez ikki marta bosing — öğil böladi. "
        "Kirillça ham ögiriladi.";
    k.qadam2.tayyor = false;

    if (avtoyuklashBormi_)
        k.avtoyuklash = Almashtirgich{"Kompyuter yoqilganda özi işga tuşsin", holat->avtoyuklash(),
                                      [h = holat](bool yangi) { h->avtoyuklashniOrnat(yangi); }};

    k.eslatma = matnlar_.eslatma;
    k.izoh = matnlar_.izoh;
    k.pastki = Tugma{ruxsat ? "Tayyor" : "Keyinroq", yopish, true};
    return k;
}

}  // namespace harfnur
