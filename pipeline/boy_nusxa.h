// What a copied item is made of, and which of its representations a
// conversion can write back converted without losing anything.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/bufer.h"

namespace harfnur {

enum class TurSinfi {
    matn,    // plain text, written back from the converted text
    html,    // HTML (X11, macOS)
    cfHtml,  // Windows' "HTML Format": HTML behind a header of offsets
    rtf,
    boyroq,  // richer than RTF or HTML (RTFD, web archives): nothing we convert holds it
    hujjat,  // pictures, files, application documents: only RTF or HTML can carry them
    belgi,   // markers and metadata: nothing of the content, left out
};

// The class of a type as X11, macOS or Windows names it (standard Windows
// formats as "#N").
TurSinfi turSinfi(std::string_view tur);

// The types whose bytes a conversion reads after the copy.
bool oqiladiganTurmi(std::string_view tur);

// Where editors keep the mark below.
bool muharrirTurimi(std::string_view tur);
// An editor's copy of the current line, made with nothing selected (VS Code
// and other editors built on Chromium mark it): not a selection.
bool bosTanlovdanmi(const port::BuferNusxasi& nusxa);

struct BoyYozuv {
    port::BuferNusxasi boylar;  // the converted rich types, richest first
    std::optional<std::string> rad;  // why nothing may be pasted: the type, never content
};

// Converts every rich representation of the copied item with the step the
// plain text chose, or says why pasting would lose part of it.
BoyYozuv boylarniOgir(const port::BuferNusxasi& nusxa, bool kirillmi);

}  // namespace harfnur
