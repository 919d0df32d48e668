// One text converted as pieces on the threads of a TartibliIshlar.
#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <string_view>

#include "tools/tartibli_ishlar.h"

namespace harfnur::ogiruvchi {

// Gets each converted piece with the input it came from, in order.
using Ber = std::function<void(std::string_view kirish, std::string_view chiqish)>;
// Gets a piece of the input once a pass over it is done with it.
using QoyibYubor = std::function<void(std::string_view qism)>;

// Converts `matn` as ogir would: the step is chosen from the letters of the
// whole text first, then pieces of about `qismHajmi` bytes, cut where no rule
// reaches across, are converted with it. `ber` runs on the calling thread,
// from this call or a later qosh or kut of `ishlar`; `egasi` keeps the
// memory of `matn` alive until then. `qoyibYubor`, when given, runs there too,
// in order, after the count of each piece and after its `ber`, so the pages
// of a mapped text need not stay in memory between the two passes or after.
void qismlabOgir(TartibliIshlar& ishlar, std::string_view matn, std::size_t qismHajmi,
                 std::shared_ptr<const void> egasi, Ber ber, QoyibYubor qoyibYubor = nullptr);

// The pieces' bounds: 0, then each cut, the last one matn.size().
std::vector<std::size_t> chegaralar(std::string_view matn, std::size_t qismHajmi);

}  // namespace harfnur::ogiruvchi
