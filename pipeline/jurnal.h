// The diagnostic log: one line per call, appended, only while the Bool
// default "jurnal" is on. Never fails towards the caller.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#include "platform/platforma.h"

namespace harfnur {

void jurnal(const Platforma& p, std::string_view xabar);

// Joins the pieces of a message.
inline std::string birlashtir(std::initializer_list<std::string_view> qismlar) {
    std::string r;
    for (std::string_view q : qismlar) r.append(q);
    return r;
}

// "true" or "false", as the log lines write Bools.
constexpr std::string_view mantiqiy(bool b) { return b ? "true" : "false"; }

}  // namespace harfnur
