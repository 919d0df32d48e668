// Text for a Windows console goes as UTF-16 through WriteConsoleW: a console
// shows bytes in its own code page, which is rarely UTF-8. Anywhere else
// (a file, a pipe, any other system) the UTF-8 bytes go as they are.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace harfnur::ogiruvchi {

// How much of `s` ends on a whole character: the rest (at most three bytes)
// is the start of one whose other bytes come with the next piece. Bytes that
// could not start or continue a character count as whole.
std::size_t butunQismi(std::string_view s);

// Whether `fd` is a Windows console; false elsewhere.
bool konsolmi(int fd);
// Writes `s` (UTF-8) to the console `fd`; a character cut at the end waits
// in `qoldiq` for the next call. False when the console refused it.
bool konsolgaYoz(int fd, std::string_view s, std::string& qoldiq);
// A message or a line of output on `f` (stdout or stderr), whole.
void matnChiqar(std::FILE* f, const std::string& matn);

}  // namespace harfnur::ogiruvchi
