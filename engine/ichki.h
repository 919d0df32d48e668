// Engine internals open to tests and benchmarks.
#pragma once

#include <string>
#include <string_view>

#include "engine/ogir.h"

namespace harfnur::ichki {

// The same conversion without any shortcut: every Character segmented and
// classified through ICU, the text held whole in a Matn. Slow; the fast
// path must agree with it byte for byte.
std::string ogirToliq(std::string_view matn);

using Sanoq = HarfSanogi;
Sanoq harflarniSana(std::string_view matn);

}  // namespace harfnur::ichki
