// A virtual clock that drives the whole simulated desktop: sleeping advances
// it at once, and actions scheduled for a moment run when time reaches it.
// One recursive lock guards every part of the simulation.
#pragma once

#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "platform/soat.h"

namespace harfnur::sim {

// What happened, and when, for tests to read back.
struct Voqea {
    port::Mikro vaqt;
    std::string nima;
};

class SimSoat final : public port::Soat {
public:
    port::Mikro hozir() override;
    void uxla(port::Mikro muddat) override;
    std::chrono::system_clock::time_point sana() override;

    // Runs `ish` once the clock reaches `vaqt` (at once if it has).
    void rejalashtir(port::Mikro vaqt, std::function<void()> ish);
    // Moves time forward (for the test's own thread), running due actions.
    void olgaSur(port::Mikro muddat) { uxla(muddat); }

    void yozibQoy(std::string nima);  // adds to the timeline at the current time
    std::vector<Voqea> voqealar();

    std::recursive_mutex& qulf() { return qulf_; }

private:
    void bajar();  // runs the actions that are due
    std::recursive_mutex qulf_;
    port::Mikro hozir_{1'000'000'000};  // an arbitrary start, far from zero
    std::multimap<port::Mikro, std::function<void()>> rejalar_;
    std::vector<Voqea> voqealar_;
};

}  // namespace harfnur::sim
