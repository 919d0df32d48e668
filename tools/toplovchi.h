// The text an input becomes when it is not a mapped file's own bytes (a
// pipe's, or UTF-16 or --from input decoded), gathered part by part: in
// memory while small, then in a nameless temporary file, mapped once whole.
// So a text of any size is one text, with memory bounded by the threshold.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

#include "tools/xarita.h"
#include "tools/yozuvchi.h"

namespace harfnur::ogiruvchi {

class Toplovchi {
public:
    // Past `chegara` bytes the text goes to a file in `papka` (empty: $TMPDIR
    // or /tmp). Windows keeps it in memory, as it keeps a file it reads.
    explicit Toplovchi(std::size_t chegara, std::string papka = {});
    ~Toplovchi();
    Toplovchi(const Toplovchi&) = delete;
    Toplovchi& operator=(const Toplovchi&) = delete;

    // False once the temporary file cannot be made or written (see xato).
    bool qosh(std::string_view qism);
    // After the last part; false as qosh.
    bool tugat();
    std::string_view matn() const { return matn_; }

    bool toshdimi() const { return fd_ >= 0; }  // the text went to the file
    int xato() const { return xato_; }
    const std::string& papka() const { return papka_; }
    void qoyibYubor(std::string_view qism) const {
        if (xarita_) xarita_->qoyibYubor(qism);
    }
    bool kesildimi() const { return xarita_ && xarita_->kesildimi(); }

private:
    bool tosh();

    std::size_t chegara_;
    std::string papka_;
    // In memory. Its sizes are the threshold halved some number of times, so
    // even the move into a bigger buffer holds no more than the threshold.
    std::unique_ptr<char[]> bufer_;
    std::size_t hajm_ = 0, sigim_ = 0;
    int fd_ = -1;
    FdYozuvchi yozuvchi_{-1};
    std::unique_ptr<Xarita> xarita_;
    std::string_view matn_;
    int xato_ = 0;
};

}  // namespace harfnur::ogiruvchi
