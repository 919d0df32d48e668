// Which of the X selection targets an owner offers are kept in a snapshot of
// the CLIPBOARD, and under which name they go back through Qt.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace harfnur::linux_ {

struct SaqlanadiganTur {
    std::string nom;      // the format's name in the snapshot
    bool latin1 = false;  // the bytes are ISO 8859-1 text, kept as UTF-8
    bool operator==(const SaqlanadiganTur&) const = default;
};

// Nothing for targets that are no data (TARGETS, MULTIPLE, ...), that
// name server resources (PIXMAP), or that the restored owner offers anyway
// from the plain text it keeps (TEXT, STRING beside UTF8_STRING, ...).
// `hammasi`: every target the owner offered.
std::optional<SaqlanadiganTur> saqlanadiganTur(std::string_view nom, const std::vector<std::string>& hammasi);

// ISO 8859-1 bytes as UTF-8.
std::string latin1danUtf8(std::string_view baytlar);

}  // namespace harfnur::linux_
