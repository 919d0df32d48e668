// One updating progress line on a terminal's standard error.
#pragma once

#include <chrono>
#include <cstddef>
#include <string>

namespace harfnur::ogiruvchi {

class Jarayon {
public:
    // Shows nothing unless `yoqilganmi` (standard error is a terminal, -q not
    // given) and the input is over 64 MB.
    Jarayon(bool yoqilganmi) : yoqilgan_(yoqilganmi) {}
    void boshla(const std::string& nom, std::size_t jami);
    void qosh(std::size_t bayt);
    void tugat();

private:
    void chiz();
    bool yoqilgan_;
    bool faol_ = false;
    std::string nom_;
    std::size_t jami_ = 0, bajarildi_ = 0;
    std::chrono::steady_clock::time_point bosh_, oxirgi_;
};

}  // namespace harfnur::ogiruvchi
