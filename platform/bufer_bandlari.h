// A pasteboard snapshot keeps its items apart: the port's flat list of
// (type, bytes) pairs marks where each further item begins with an entry
// whose type is empty, which no real pasteboard type is.
#pragma once

#include <chrono>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/bufer.h"

namespace harfnur {

using BuferBandi = std::vector<std::pair<std::string, std::string>>;  // one item's (type, bytes)

// Items without any representation are left out.
port::BuferNusxasi bandlardanNusxa(const std::vector<BuferBandi>& bandlar);
// The items again, in order; entries with an empty type only separate them.
std::vector<BuferBandi> nusxadanBandlar(const port::BuferNusxasi& nusxa);

// The time a whole snapshot may take where reading a type waits for its
// owner to give it (macOS): an owner that hangs or is slow delays the
// conversion this long, and a read already started, no longer.
inline constexpr std::chrono::milliseconds olishMuddati{250};

// A snapshot of the items whose type names are `turlar` (one list per item,
// in order): the types `kerakmi` picks are read with `oqi(band, tur)` while
// `vaqtBormi()` holds, and any type not read, for want of time or because
// its owner gave nothing, counts in `oqilmadi`. `taklif` names them all.
using TurOquvchi = std::function<std::optional<std::string>(std::size_t band, const std::string& tur)>;
port::BuferNusxasi muddatliOlish(const std::vector<std::vector<std::string>>& turlar, const port::TurTanlovi& kerakmi,
                                 const TurOquvchi& oqi, const std::function<bool()>& vaqtBormi);

}  // namespace harfnur
