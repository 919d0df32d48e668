// Where the converted text goes: standard output, or -o's file. A regular
// file (or a new one) is written through a temporary file and renamed into
// place; anything else (a terminal, a device such as /dev/null, a FIFO) is
// written as it stands, since a rename would replace the node itself.
#pragma once

#include <memory>
#include <string>

#include "tools/vaqtincha_fayl.h"

namespace harfnur::ogiruvchi {

class Chiqish {
public:
    Chiqish() = default;
    ~Chiqish();
    Chiqish(const Chiqish&) = delete;
    Chiqish& operator=(const Chiqish&) = delete;

    // `yol` empty: standard output. False with `sabab` set when it cannot be opened.
    bool och(const std::string& yol, std::string& sabab);
    int fd() const;
    // The name errors are reported under.
    const std::string& nomi() const { return nom_; }
    bool faylmi() const { return !yol_.empty(); }
    // After the last write: the temporary file takes the target's place.
    bool yakunla(std::string& sabab);

private:
    std::string yol_, manzil_, nom_ = "standard output";
    std::unique_ptr<VaqtinchaFayl> vaqtincha_;
    int ozi_ = -1;  // the target itself, when it is no regular file
};

}  // namespace harfnur::ogiruvchi
