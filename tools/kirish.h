// An input's bytes: a regular file mapped into memory, anything else read.
#pragma once

#include <sys/stat.h>

#include <memory>
#include <string>
#include <string_view>

#include "tools/fayl_tizimi.h"

namespace harfnur::ogiruvchi {

class Kirish {
public:
    // "-" is standard input. On failure gives nothing and sets `xato` (errno).
    static std::unique_ptr<Kirish> och(const std::string& yol, int& xato);
    ~Kirish();
    Kirish(const Kirish&) = delete;
    Kirish& operator=(const Kirish&) = delete;

    std::string_view matn() const { return matn_; }
    const struct stat& holat() const { return holat_; }
    // Taken when opened, to see later whether the name still means this file.
    const Kimlik& kimlik() const { return kimlik_; }

private:
    Kirish() = default;
    int fd_ = -1;
    bool egasimi_ = false;  // the descriptor is ours to close
    void* xarita_ = nullptr;
    std::size_t xaritaHajmi_ = 0;
    std::string oqilgan_;
    std::string_view matn_;
    struct stat holat_ {};
    Kimlik kimlik_;
};

}  // namespace harfnur::ogiruvchi
