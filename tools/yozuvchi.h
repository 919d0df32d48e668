// Output to a file descriptor through one write(2) loop, so that a closed
// pipe or a full disk is seen as one error of its own and reported once. A
// Windows console gets the text as UTF-16 (see konsol.h).
#pragma once

#include <string>
#include <string_view>

namespace harfnur::ogiruvchi {

class FdYozuvchi {
public:
    explicit FdYozuvchi(int fd);
    // Small pieces are gathered; large ones go out at once. False after a failure.
    bool yoz(std::string_view s);
    bool yubor();
    int xato() const { return xato_; }
    void fdniAlmashtir(int fd);

private:
    bool yozBevosita(std::string_view s);
    int fd_;
    bool konsol_ = false;
    std::string qoldiq_;  // a character cut between two console writes
    std::string bufer_;
    int xato_ = 0;
};

}  // namespace harfnur::ogiruvchi
