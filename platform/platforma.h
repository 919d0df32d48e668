// The services the core uses, gathered so they travel as one reference.
#pragma once

#include "platform/bufer.h"
#include "platform/ishonch.h"
#include "platform/jurnal_joyi.h"
#include "platform/navbat.h"
#include "platform/soat.h"
#include "platform/sozlamalar.h"
#include "platform/tugma_kuzatuvi.h"
#include "platform/tugma_yuborish.h"

namespace harfnur {

struct Platforma {
    port::Soat& soat;
    port::Bufer& bufer;
    port::TugmaYuborish& tugmalar;
    port::TugmaKuzatuvi& kuzatuv;
    port::Ishonch& ishonch;
    port::Sozlamalar& sozlamalar;
    port::JurnalJoyi& jurnalJoyi;
    port::Navbat& navbat;
};

}  // namespace harfnur
