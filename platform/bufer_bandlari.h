// A pasteboard snapshot keeps its items apart: the port's flat list of
// (type, bytes) pairs marks where each further item begins with an entry
// whose type is empty, which no real pasteboard type is.
#pragma once

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

}  // namespace harfnur
