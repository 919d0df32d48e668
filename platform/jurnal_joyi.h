// Where the log file lives.
#pragma once

#include <filesystem>
#include <optional>

namespace harfnur::port {

class JurnalJoyi {
public:
    virtual ~JurnalJoyi() = default;
    // The file's path, or nothing when there is nowhere to write. Called
    // only while the log switch is on; a backend may create its folder then.
    virtual std::optional<std::filesystem::path> fayl() = 0;
};

}  // namespace harfnur::port
