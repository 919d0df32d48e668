// An input's bytes: a regular file mapped into memory, anything else a
// stream read as it comes.
#pragma once

#include <sys/stat.h>
#include <sys/types.h>

#include <memory>
#include <string>
#include <string_view>

#include "tools/fayl_tizimi.h"
#include "tools/xarita.h"

namespace harfnur::ogiruvchi {

class Kirish {
public:
    // "-" is standard input. On failure gives nothing and sets `xato` (errno).
    static std::unique_ptr<Kirish> och(const std::string& yol, int& xato);
    ~Kirish();
    Kirish(const Kirish&) = delete;
    Kirish& operator=(const Kirish&) = delete;

    // A pipe, a terminal, a device, an empty file: its bytes come from oqi.
    // Otherwise all of them are in baytlar (Windows reads the file whole).
    bool oqimmi() const { return oqim_; }
    std::string_view baytlar() const { return baytlar_; }
    // Up to `n` more bytes of a stream: 0 at its end, -1 with errno set.
    ssize_t oqi(char* bufer, std::size_t n);
    // Lets the pages under `qism` go, when it lies in the mapping.
    void qoyibYubor(std::string_view qism) const;
    // The mapped file was cut short under us: baytlar may hold zeros not in it.
    bool kesildimi() const { return xarita_ && xarita_->kesildimi(); }

    const struct stat& holat() const { return holat_; }
    // Taken when opened, to see later whether the name still means this file.
    const Kimlik& kimlik() const { return kimlik_; }

private:
    Kirish() = default;
    int fd_ = -1;
    bool egasimi_ = false;  // the descriptor is ours to close
    bool oqim_ = false;
    std::unique_ptr<Xarita> xarita_;
    std::string oqilgan_;
    std::string_view baytlar_;
    struct stat holat_ {};
    Kimlik kimlik_;
};

}  // namespace harfnur::ogiruvchi
