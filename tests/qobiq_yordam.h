// The simulated desktop with the shell's services, wired for the app.
#pragma once

#include "app/ilova.h"
#include "platform/sim/sim_qobiq.h"
#include "sim_yordam.h"

namespace harfnur::sinov {

struct Qobiq : Muhit {
    sim::SimIlovaObyekti ilova{m.soat};
    sim::SimHolatPaneli panel;
    sim::SimOgohlantirish ogohlantirish;
    sim::SimOynaXizmati oynalar;
    sim::SimAvtoyuklash avtoyuklash;
    sim::SimTizimJurnali tizimJurnali;
    IlovaPlatformasi p{m.platforma, m.ishonch, ilova, panel, ogohlantirish, oynalar, avtoyuklash, tizimJurnali};
    std::shared_ptr<Ilova> delegat;

    // Creates the delegate and finishes launching, as the entry point would.
    void ishgaTushir() {
        delegat = Ilova::yarat(p);
        ilova.aksessuarQil();
        ilova.ishlat([this] { delegat->ishgaTushdi(); });
    }
    std::vector<std::string> jurnalXabarlari() { return xabarlar(jurnal); }
    sim::SimOyna* oyna() { return oynalar.oynalar.empty() ? nullptr : oynalar.oynalar.back(); }
};

}  // namespace harfnur::sinov
