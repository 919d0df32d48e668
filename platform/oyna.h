// The window that hosts the onboarding view. Closing it only hides it.
#pragma once

#include <memory>
#include <string>

namespace harfnur {
class Tanishtiruv;
}

namespace harfnur::port {

inline constexpr unsigned sarlavhaliUslub = 1, yopiladiganUslub = 2;

class Oyna {
public:
    virtual ~Oyna() = default;
    virtual void sarlavhaQoy(const std::string& s) = 0;
    virtual void uslubQoy(unsigned niqob) = 0;  // 3: titled and closable only
    virtual void markazla() = 0;
    virtual void oldingaChiqar() = 0;  // show, make key, bring to front
    virtual void yop() = 0;            // hide; the same window shows again later
};

class OynaXizmati {
public:
    virtual ~OynaXizmati() = default;
    // A window whose content is the view, sized by it; it renders the
    // view's model again whenever the model says it changed.
    virtual std::unique_ptr<Oyna> yarat(std::shared_ptr<Tanishtiruv> korinish) = 0;
};

}  // namespace harfnur::port
