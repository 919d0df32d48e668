// A file written beside its target under a temporary name, flushed to disk
// and renamed over the target only when complete. Until then, and after any
// failure, the target is as it was; the temporary file never outlives the
// object, nor an interrupt.
#pragma once

#include <sys/stat.h>

#include <memory>
#include <optional>
#include <string>

namespace harfnur::ogiruvchi {

class VaqtinchaFayl {
public:
    // `manzil` is the target's path with symlinks already resolved. On
    // failure gives nothing and sets `sabab` to a short reason.
    static std::unique_ptr<VaqtinchaFayl> yarat(const std::string& manzil, std::string& sabab);
    ~VaqtinchaFayl();
    VaqtinchaFayl(const VaqtinchaFayl&) = delete;
    VaqtinchaFayl& operator=(const VaqtinchaFayl&) = delete;

    int fd() const { return fd_; }
    // Flushes, gives the file the mode (and, where permitted, the owner) of
    // `asl`, keeps the present target as manzil + `zaxira` when asked, and
    // renames the file over the target. False with `sabab` set on failure,
    // when the target is untouched and the temporary file gone.
    bool joyigaQoy(const struct stat* asl, const std::optional<std::string>& zaxira, std::string& sabab);

private:
    VaqtinchaFayl() = default;
    std::string manzil_, yol_;
    int fd_ = -1;
    int qayd_ = -1;  // its slot among the names the signal handler removes
};

// Removes any temporary file on SIGINT, SIGTERM, SIGHUP and SIGBUS, then
// dies of the signal; makes a size limit fail writes instead of killing. A
// SIGBUS from a mapped input cut short is mended instead (see Xarita).
void signallarniOrnat();

#ifndef _WIN32
// The folder for scratch files: $TMPDIR, or /tmp.
std::string vaqtinchaPapka();
// A new file in `papka` whose name is gone as soon as it exists, so nothing
// is left behind however the process ends. -1 with errno set on failure.
int nomsizFaylOch(const std::string& papka);
#endif

}  // namespace harfnur::ogiruvchi
