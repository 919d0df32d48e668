// -l: each line (with its line feed) a text of its own, streamed.
#pragma once

#include "tools/yozuvchi.h"

namespace harfnur::ogiruvchi {

// Returns 0 or the errno of a failed read.
int qatorlabOgir(int fd, FdYozuvchi& chiqish);

}  // namespace harfnur::ogiruvchi
