// The status-bar (tray) item and its menu.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace harfnur::port {

struct MenyuBandi {
    std::string sarlavha;
    std::function<void()> amal;  // empty: no action
    std::string tugma;           // key equivalent, with the platform's command modifier
    bool yoqilgan = true;
    bool ajratgichmi = false;

    static MenyuBandi ajratgich() { return {{}, {}, {}, true, true}; }
};

class HolatBelgisi {
public:
    virtual ~HolatBelgisi() = default;
    virtual bool tugmasiBormi() = 0;  // an item may come without a button
    virtual void sarlavhaQoy(const std::string& s) = 0;
    virtual void izohQoy(const std::string& s) = 0;  // tooltip
    virtual void menyuQoy(std::vector<MenyuBandi> bandlar) = 0;
};

class HolatPaneli {
public:
    virtual ~HolatPaneli() = default;
    virtual std::unique_ptr<HolatBelgisi> belgiYarat() = 0;  // variable length
};

}  // namespace harfnur::port
