// How long a paste waits after the copy, for targets that would otherwise
// paste from a stale list of the clipboard's formats.
#pragma once

#include <chrono>
#include <string>
#include <vector>

namespace harfnur::linux_ {

// LibreOffice keeps the list of formats it last fetched (at our copy, from
// the owner before it) for up to two seconds, whoever owns the clipboard
// since: a paste sooner asks us for a format of that list, plain text, and
// loses the RTF and HTML that keep tables and pictures. `sinflar`: the front
// window's WM_CLASS, lower case. Returns how long to wait still.
std::chrono::milliseconds qoyishKutishi(const std::vector<std::string>& sinflar,
                                        std::chrono::milliseconds nusxadanBeri);

}  // namespace harfnur::linux_
