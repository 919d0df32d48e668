// Shared set-up for tests on the simulated desktop.
#pragma once

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "platform/sim/sim_muhit.h"

namespace harfnur::sinov {

inline std::filesystem::path vaqtinchaPapka(const std::string& nom) {
    static int n = 0;
    auto p = std::filesystem::temp_directory_path() /
             ("harfnur-" + nom + "-" + std::to_string(::getpid()) + "-" + std::to_string(n++));
    std::filesystem::create_directories(p);
    return p;
}

inline std::vector<std::string> qatorlar(const std::filesystem::path& f) {
    std::ifstream in(f);
    std::vector<std::string> r;
    for (std::string q; std::getline(in, q);) r.push_back(q);
    return r;
}

// The message part of each log line (after "YYYY-MM-DD HH:MM:SS +0000 ").
inline std::vector<std::string> xabarlar(const std::filesystem::path& f) {
    std::vector<std::string> r;
    for (const auto& q : qatorlar(f)) r.push_back(q.size() >= 26 ? q.substr(26) : q);
    return r;
}

// A desktop with the log on, in a folder of its own.
struct Muhit {
    std::filesystem::path papka = vaqtinchaPapka("sim");
    std::filesystem::path jurnal = papka / "Harfnur.log";
    sim::SimMuhit m{jurnal};
    Muhit() { m.sozlamalar.yoz("jurnal", true); }
    ~Muhit() { std::filesystem::remove_all(papka); }
};

}  // namespace harfnur::sinov
