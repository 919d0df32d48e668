// -i and -o must not meet one file twice: the same input named twice, or
// the output naming an input. Refused before anything is written.
#pragma once

#include "tools/variantlar.h"

namespace harfnur::ogiruvchi {

// 0, or 2 after one line on standard error.
int takrorlar(const Sozlamalar& s);

}  // namespace harfnur::ogiruvchi
