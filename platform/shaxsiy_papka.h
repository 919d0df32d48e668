// A folder only its owner may enter, for files that tell about the user.
#pragma once

#include <filesystem>

namespace harfnur {

// Creates `papka` and every missing folder above it with mode 0700, and
// narrows `papka` itself to 0700 when it already exists wider. True when
// the folder is there afterwards.
bool shaxsiyPapka(const std::filesystem::path& papka);

}  // namespace harfnur
