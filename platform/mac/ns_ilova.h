// The application object (NSApplication), its delegate, the main-run-loop
// timers and the program's bundle path; and the modal alert. Main thread
// only.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "platform/ilova_obyekti.h"
#include "platform/ogohlantirish.h"

namespace harfnur::mac {

class NsIlova final : public port::IlovaObyekti {
public:
    NsIlova();  // takes the shared application object
    ~NsIlova() override;  // stops its timers
    void aksessuarQil() override;
    void faollashtir() override;
    void tugat() override;
    int ishlat(std::function<void()> ishgaTushdi) override;
    void takroriyTaymer(double soniya, std::function<void()> tik) override;
    std::string dasturYoli() override;
    // Finder, the Dock or Spotlight opening Harfnur again while it runs.
    void qaytaOchilganda(std::function<void()> f) override;

private:
    struct Ichki;
    std::unique_ptr<Ichki> i_;
};

// The bundle identifier of the application that receives key events; none
// when it has none. Any thread: read on the main thread, where the system
// keeps it current.
std::optional<std::string> oldingiIlovaId();

struct NsOgohlantirish final : port::Ogohlantirish {
    void korsat(const std::string& xabar, const std::string& izoh, const std::string& tugma) override;
};

}  // namespace harfnur::mac
