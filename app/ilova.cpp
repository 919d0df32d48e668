#include "app/ilova.h"

#include <algorithm>
#include <cctype>

#include "onboarding/tanishtiruv.h"
#include "pipeline/jurnal.h"

namespace harfnur {

bool joyiNotogrimi(const std::string& yol) {
    return yol.rfind("/Volumes/", 0) == 0 || yol.find("/AppTranslocation/") != std::string::npos;
}

bool zipIchidami(const std::string& yol) {
    auto kichik = [](std::string s) {
        for (char& c : s) c = char(std::tolower(static_cast<unsigned char>(c)));
        return s;
    };
    auto raqammi = [](char c) { return c >= '0' && c <= '9'; };
    std::size_t bosh = 0;
    while (bosh <= yol.size()) {
        const std::size_t oxir = std::min(yol.find_first_of("\\/", bosh), yol.size());
        const std::string q = kichik(yol.substr(bosh, oxir - bosh));
        bosh = oxir + 1;
        if (oxir == yol.size()) break;  // the program's own name is no folder
        if (q.rfind("temp", 0) == 0 && q.size() > 9 && q.ends_with(".zip")) {
            std::size_t i = 4;
            while (i < q.size() && raqammi(q[i])) ++i;
            if (i > 4 && q[i] == '_') return true;
        }
        if (q.size() > 3 && q.rfind("7zo", 0) == 0) return true;
        if (q.rfind("rar$ex", 0) == 0) return true;
    }
    return false;
}

Ilova::Ilova(const IlovaPlatformasi& p)
    : p_(p),
      holat(RuxsatHolati::yarat({p.ruxsat, p.avtoyuklash, p.tizimJurnali, p.ilova, p.buferRuxsati})),
      kuzatuvchi(ShiftKuzatuvchi::yarat(p.asos)) {}

std::shared_ptr<Ilova> Ilova::yarat(const IlovaPlatformasi& p) { return std::shared_ptr<Ilova>(new Ilova(p)); }

void Ilova::ishgaTushdi() {
    const std::string yol = p_.ilova.dasturYoli();
    if (p_.joyNotogrimi ? p_.joyNotogrimi(yol) : joyiNotogrimi(yol)) {
        p_.ilova.faollashtir();
        p_.ogohlantirish.korsat(p_.matnlar.joyXabari, p_.matnlar.joyIzohi, p_.matnlar.joyTugmasi);
        p_.ilova.tugat();
        return;
    }

    belgi = p_.panel.belgiYarat();
    if (belgi) {
        if (belgi->tugmasiBormi()) {
            belgi->sarlavhaQoy(belgiSarlavhasi);
            belgi->izohQoy(p_.matnlar.belgiIzohi.value_or(belgiIzohi));
        }
        const std::weak_ptr<Ilova> zaif = weak_from_this();
        port::IlovaObyekti* ilova = &p_.ilova;
        belgi->menyuQoy({
            {"Shift’ni 2 marta bosing — matn harfnurga ögiriladi", {}, "", false},
            port::MenyuBandi::ajratgich(),
            {"Sozlamalar va yöriqnoma…", [zaif] { if (auto i = zaif.lock()) i->tanishtiruvniOch(); }, ",", true},
            port::MenyuBandi::ajratgich(),
            {"Çiqiş", [ilova] { ilova->tugat(); }, "q", true},
        });
    }

    // A second start of the program brings the guide back: the way in when
    // the desktop shows no status item.
    p_.ilova.qaytaOchilganda([zaif = weak_from_this()] {
        if (auto i = zaif.lock()) i->tanishtiruvniOch();
    });

    std::string bosh = birlashtir({"ishga tushdi: ", yol, ", ruxsat=", mantiqiy(p_.ruxsat.ishonchlimi())});
    if (p_.buferRuxsati) bosh.append(", bufer=").append(port::nomi(holat->bufer()));
    jurnal(p_.asos, bosh);

    const Platforma* asos = &p_.asos;
    holat->ruxsatBerildi = [zaif = weak_from_this(), asos] {
        jurnal(*asos, "ruxsat berildi");
        if (auto i = zaif.lock()) i->kuzatuvchi->boshla();
    };
    if (p_.ruxsat.ishonchlimi()) kuzatuvchi->boshla();

    if (p_.asos.sozlamalar.mantiqiy("tanishtirildi")) {
        if (p_.ruxsat.ishonchlimi()) return;
    } else {
        p_.asos.sozlamalar.yoz("tanishtirildi", true);
        holat->avtoyuklashniOrnat(true);
    }
    tanishtiruvniOch();
}

void Ilova::tanishtiruvniOch() {
    if (!oyna) {
        auto korinish = std::make_shared<Tanishtiruv>(
            holat,
            [zaif = weak_from_this()] {
                if (auto i = zaif.lock(); i && i->oyna) i->oyna->yop();
            },
            p_.avtoyuklash.bormi(), p_.matnlar);
        oyna = p_.oynalar.yarat(std::move(korinish));
        oyna->sarlavhaQoy("Harfnur");
        oyna->uslubQoy(port::sarlavhaliUslub | port::yopiladiganUslub);
    }
    oyna->markazla();
    p_.ilova.faollashtir();
    oyna->oldingaChiqar();
}

}  // namespace harfnur
