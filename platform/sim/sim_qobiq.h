// The simulated shell services: the application object with its main-loop
// timers, the status item, alerts, windows, the login item and the system
// log. Each records what was asked of it for tests to read.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "onboarding/tanishtiruv.h"
#include "platform/avtoyuklash_xizmati.h"
#include "platform/holat_belgisi.h"
#include "platform/ilova_obyekti.h"
#include "platform/ogohlantirish.h"
#include "platform/oyna.h"
#include "platform/sim/sim_soat.h"
#include "platform/tizim_jurnali.h"

namespace harfnur::sim {

class SimIlovaObyekti final : public port::IlovaObyekti {
public:
    explicit SimIlovaObyekti(SimSoat& soat) : soat_(soat) {}
    void aksessuarQil() override { aksessuar = true; }
    void faollashtir() override { ++faollashdi; }
    void tugat() override { tugatildi = true; }
    int ishlat(std::function<void()> ishgaTushdi) override;  // launches, then returns
    void takroriyTaymer(double soniya, std::function<void()> tik) override;
    std::string dasturYoli() override { return yol; }
    void qaytaOchilganda(std::function<void()> f) override { qaytaOchildi = std::move(f); }

    // Lets the event loop run for `muddat` of virtual time on this thread:
    // timers fire here, as they would on the main thread.
    void aylan(port::Mikro muddat);

    std::string yol = "/Applications/Harfnur.app";
    bool aksessuar = false, tugatildi = false;
    int faollashdi = 0;
    std::function<void()> qaytaOchildi;  // a second start of the program

private:
    struct Taymer {
        port::Mikro oraliq, keyingi;
        std::function<void()> tik;
    };
    SimSoat& soat_;
    std::vector<Taymer> taymerlar_;
};

// Keeps what its item showed, also after the owner let the item go.
class SimHolatPaneli final : public port::HolatPaneli {
public:
    std::unique_ptr<port::HolatBelgisi> belgiYarat() override;
    bool tugmasiz = false;  // items come without a button
    std::vector<port::MenyuBandi> oxirgiMenyu;
    std::optional<std::string> oxirgiSarlavha, oxirgiIzoh;
};

struct SimOgohlantirish final : port::Ogohlantirish {
    struct Yozuv {
        std::string xabar, izoh, tugma;
    };
    std::vector<Yozuv> korsatildi;
    void korsat(const std::string& x, const std::string& i, const std::string& t) override {
        korsatildi.push_back({x, i, t});
    }
};

class SimOyna final : public port::Oyna {
public:
    explicit SimOyna(std::shared_ptr<Tanishtiruv> k);
    ~SimOyna() override;
    void sarlavhaQoy(const std::string& s) override { sarlavha = s; }
    void uslubQoy(unsigned n) override { uslub = n; }
    void markazla() override { ++markazlandi; }
    void oldingaChiqar() override { korinadi = true; }
    void yop() override { korinadi = false; }

    std::shared_ptr<Tanishtiruv> korinish;
    TanishtiruvKorinishi chizilgan;  // what the window shows now
    int chizildi = 0;
    std::string sarlavha;
    unsigned uslub = 0;
    int markazlandi = 0;
    bool korinadi = false;

private:
    void chiz();
    RuxsatHolati::KuzatuvchiBelgisi obuna_;
};

class SimOynaXizmati final : public port::OynaXizmati {
public:
    std::unique_ptr<port::Oyna> yarat(std::shared_ptr<Tanishtiruv> k) override;
    std::vector<SimOyna*> oynalar;  // created so far (owned by the caller)
};

class SimAvtoyuklash final : public port::AvtoyuklashXizmati {
public:
    bool bormi() override { return bor; }
    port::AvtoyuklashHolati holat() override { return holat_; }
    std::optional<std::string> royxatgaOl() override;
    std::optional<std::string> royxatdanChiqar() override;

    bool bor = true;
    std::optional<std::string> rad;  // the next calls fail with this error
    // What a successful registration leads to (approval may be required).
    port::AvtoyuklashHolati royxatdanKeyin = port::AvtoyuklashHolati::yoqilgan;
    int chaqirildi = 0;
    port::AvtoyuklashHolati holat_ = port::AvtoyuklashHolati::royxatdaEmas;
};

struct SimTizimJurnali final : port::TizimJurnali {
    std::vector<std::string> satrlar;
    void yoz(const std::string& s) override { satrlar.push_back(s); }
};

}  // namespace harfnur::sim
