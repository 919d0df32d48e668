// One Harfnur per user and display: a lock held for the life of the process,
// and a local socket beside it on which a later start asks the running one
// to open its guide window.
#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <string>

class QLocalServer;

namespace harfnur::linux_ {

class YagonaNusxa {
public:
    YagonaNusxa();  // the paths for this user and $DISPLAY
    ~YagonaNusxa();

    // Takes the lock; false when another Harfnur holds it.
    bool egalla();
    // With the lock held and the Qt application made: `ochilsin` runs on the
    // main thread for each later start, with its startup id (may be empty).
    void tingla(std::function<void(const std::string& boshlashId)> ochilsin);
    // From a later start: asks the running one to open its window, waiting a
    // little for it to listen. True once it has answered.
    bool ochishniSora(const std::string& boshlashId);

    std::filesystem::path qulf, soket;

private:
    int fd_ = -1;
    std::unique_ptr<QLocalServer> server_;
};

}  // namespace harfnur::linux_
