// One input opened and decoded for the engine, and how its output is
// written back: as UTF-8, or as UTF-16 with the input's mark.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "tools/kirish.h"
#include "tools/kodlash.h"
#include "tools/toplovchi.h"
#include "tools/variantlar.h"

namespace harfnur::ogiruvchi {

struct Tayyor {
    std::unique_ptr<Kirish> kirish;
    std::unique_ptr<Toplovchi> ochilgan;  // the text, when it is not a mapped file's own bytes
    std::string_view matn;                // what the engine converts
    Kodlash kodlash = Kodlash::utf8;
    std::string boshi, oxiri;  // UTF-16's byte order mark and an odd last byte
    std::string bufer;
    // The failure would leave a hole in an output made of several inputs (no
    // room for a temporary file, the file cut short under us): such a run
    // stops there instead.
    bool toxtatadimi = false;

    // The bytes to write for UTF-8 text of this input.
    std::string_view kodla(std::string_view utf8);
    // A part of matn done with: its pages leave memory.
    void qoyibYubor(std::string_view qism) const;
    // The input file was cut short under us: matn may hold zeros not in it.
    bool kesildimi() const;
};

// Opens `yol` ("-": standard input) and decodes it as `s` asks; refuses a
// binary-looking file for -i and --check. Warnings name the input as `nom`.
// False with `sabab` set when the input cannot be used.
bool tayyorla(const std::string& yol, const std::string& nom, const Sozlamalar& s, Tayyor& t, std::string& sabab);

}  // namespace harfnur::ogiruvchi
