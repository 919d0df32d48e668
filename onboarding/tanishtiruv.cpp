#include "onboarding/tanishtiruv.h"

namespace harfnur {
namespace {

// Where the setting is: macOS has no Uzbek, so its own English names.
constexpr std::string_view sozlamaYoli =
    "«System Settings» → «Privacy & Security» → «Paste from Other Apps» bölimida «Harfnur» ga har doim ruxsat "
    "bering.";

// What the pasteboard step says, or nothing when Harfnur may read it freely.
std::optional<std::string> buferMatni(port::BuferRuxsati r) {
    std::string m;
    switch (r) {
        case port::BuferRuxsati::standart:
            m = "macOS 15.4 dan boşlab boşqa dasturdan nusxalangan matnni öqişdan oldin söraydi. Birinçi ögirişda "
                "ruxsat bering, keyin har safar söramasligi uçun ";
            break;
        case port::BuferRuxsati::sorasin:
            m = "macOS har bir ögirişda buferni öqişga ruxsat sörayapti. ";
            break;
        case port::BuferRuxsati::hechqachon:
            m = "macOS «Harfnur» ga buferni öqişni taqiqlagan, şuning uçun matn ögirilmaydi. ";
            break;
        case port::BuferRuxsati::yoq:
        case port::BuferRuxsati::doimo:
            return std::nullopt;
    }
    return m.append(sozlamaYoli);
}

}  // namespace

TanishtiruvKorinishi Tanishtiruv::korinish() const {
    const bool ruxsat = holat->ruxsat();
    TanishtiruvKorinishi k;
    k.logo = "Ö";
    k.sarlavha = "Imloçi";
    k.tavsif = "Eski yozuvdagi matn Shift’ni ikki marta bosganda harfnurga almaşadi.";

    // Built, not assigned: GCC 12 misreads a one-letter assignment (-Wrestrict).
    k.qadam1.raqam = std::string(1, '1');
    k.qadam1.tayyor = ruxsat;
    if (ruxsat) {
        k.qadam1.sarlavha = "Ruxsat berildi";
        k.qadam1.matn = "Hammasi tayyor, Imloçi işlayapti.";
    } else {
        k.qadam1.sarlavha = "Ruxsat bering";
        k.qadam1.matn = matnlar_.ruxsatMatni;
        k.qadam1.tugma = Tugma{matnlar_.ruxsatTugmasi, [h = holat] { h->sora(); }, false};
    }

    k.qadam2.raqam = std::string(1, '2');
    if (const auto matn = buferMatni(holat->bufer())) {
        Qadam q;
        q.raqam = std::string(1, '2');
        q.sarlavha = "Buferni öqişga ruxsat bering";
        q.matn = *matn;
        q.tugma = Tugma{"Sozlamalarni oçiş", [h = holat] { h->buferSozlamalariniOch(); }, false};
        k.buferQadami = std::move(q);
        k.qadam2.raqam = std::string(1, '3');
    }
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
