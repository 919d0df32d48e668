// The diagnostic log: one line per call, appended, only while the Bool
// default "jurnal" is on. Never fails towards the caller.
#pragma once

#include <string_view>

#include "platform/platforma.h"

namespace harfnur {

void jurnal(const Platforma& p, std::string_view xabar);

// "true" or "false", as the log lines write Bools.
constexpr std::string_view mantiqiy(bool b) { return b ? "true" : "false"; }

}  // namespace harfnur
