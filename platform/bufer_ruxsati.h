// Whether the system lets this program read the general pasteboard without
// asking the user each time: on macOS 15.4 and later the "Paste from Other
// Apps" setting of Privacy & Security, per application.
#pragma once

#include <string_view>

namespace harfnur::port {

enum class BuferRuxsati {
    yoq,         // the system has no such setting
    standart,    // never asked yet: the first read asks, then it is `sorasin`
    sorasin,     // every read by the program itself asks the user
    doimo,       // always allowed
    hechqachon,  // never allowed
};

// For the log.
constexpr std::string_view nomi(BuferRuxsati r) {
    switch (r) {
        case BuferRuxsati::yoq: return "yoq";
        case BuferRuxsati::standart: return "standart";
        case BuferRuxsati::sorasin: return "sorasin";
        case BuferRuxsati::doimo: return "doimo";
        case BuferRuxsati::hechqachon: return "hechqachon";
    }
    return "?";
}

}  // namespace harfnur::port
