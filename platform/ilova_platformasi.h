// Everything the application shell uses on top of the pipeline's services.
#pragma once

#include <functional>

#include "platform/avtoyuklash_xizmati.h"
#include "platform/bufer_ruxsati.h"
#include "platform/holat_belgisi.h"
#include "platform/ilova_obyekti.h"
#include "platform/matnlar.h"
#include "platform/ogohlantirish.h"
#include "platform/oyna.h"
#include "platform/platforma.h"
#include "platform/ruxsat_xizmati.h"
#include "platform/tizim_jurnali.h"

namespace harfnur {

struct IlovaPlatformasi {
    Platforma asos;  // asos.ishonch is `ruxsat`
    port::RuxsatXizmati& ruxsat;
    port::IlovaObyekti& ilova;
    port::HolatPaneli& panel;
    port::Ogohlantirish& ogohlantirish;
    port::OynaXizmati& oynalar;
    port::AvtoyuklashXizmati& avtoyuklash;
    port::TizimJurnali& tizimJurnali;
    PlatformaMatnlari matnlar = {};  // the macOS texts unless a platform says otherwise
    // Whether the program runs from a place it must not; empty: the macOS
    // check (a mounted disk image or a translocated copy).
    bool (*joyNotogrimi)(const std::string& yol) = nullptr;
    // Whether the system asks before Harfnur reads the pasteboard; empty
    // where it never does.
    std::function<port::BuferRuxsati()> buferRuxsati = {};
};

}  // namespace harfnur
