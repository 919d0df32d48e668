// Reading RTF into runs of visible text, each tied to the bytes it came
// from and to the group state a replacement for it is written under.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "boymatn/rtf_sahifa.h"

namespace harfnur::boymatn::rtf {

// A run: consecutive text tokens under one group state, or a break.
struct Qism {
    std::size_t bosh = 0, oxir = 0;          // its bytes in the input
    std::size_t matnBosh = 0, matnOxir = 0;  // its text in Oqilgan::matn
    int uc = 1;                              // \uc in force
    int sahifa = -1;                         // the code page of its font; -1: not known
    bool sozdanKeyin = false;                // right after a control word with no delimiter
    bool baytdanKeyin = false;               // right after a lead byte kept as it was
    bool uzilish = false;                    // no bytes: a break between words
};

struct Oqilgan {
    Sahifalar sahifalar;
    std::vector<Qism> qismlar;  // in the order of their bytes
    std::string matn;           // the runs' text, UTF-8
    std::string_view qismMatni(const Qism& q) const {
        return q.uzilish ? std::string_view("\n") : std::string_view(matn).substr(q.matnBosh, q.matnOxir - q.matnBosh);
    }
};

// Nothing when the input is not RTF or holds text in a code page we do not
// know.
std::optional<Oqilgan> oqi(std::string_view rtf);

}  // namespace harfnur::boymatn::rtf
