// The platform's application object: its event loop, activation, the
// repeating main-loop timer and the program's own location.
#pragma once

#include <functional>
#include <string>

namespace harfnur::port {

class IlovaObyekti {
public:
    virtual ~IlovaObyekti() = default;
    virtual void aksessuarQil() = 0;  // no Dock icon, no application menu
    virtual void faollashtir() = 0;   // to the front, ignoring other applications
    virtual void tugat() = 0;         // ends the application
    // Runs the event loop until the application stops; `ishgaTushdi` is
    // called once, on the main thread, when launching has finished.
    virtual int ishlat(std::function<void()> ishgaTushdi) = 0;
    // Calls `tik` every `soniya` seconds on the main thread for as long as
    // the application runs.
    virtual void takroriyTaymer(double soniya, std::function<void()> tik) = 0;
    // Where the program lives (the bundle path on macOS).
    virtual std::string dasturYoli() = 0;
    // `f` runs on the main thread each time the user starts the program
    // again while it runs. Where the system has no such notice, never.
    virtual void qaytaOchilganda(std::function<void()> f) { (void)f; }
};

}  // namespace harfnur::port
