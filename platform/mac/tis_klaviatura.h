// The A, C and V keys of the current ASCII-capable keyboard layout (the one
// shortcuts are read with, also while a Cyrillic input source is selected).
#pragma once

#include "platform/tugma_kodlari.h"

namespace harfnur::mac {

// Main thread only: recent systems stop a process that asks the Text Input
// Sources services from another thread. The fixed codes when the layout
// cannot be read.
TugmaKodlari joriyTugmaKodlari();

}  // namespace harfnur::mac
