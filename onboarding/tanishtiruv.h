// The settings-and-guide window's content as a model every backend renders:
// the texts, the steps' states, the switch and the buttons, and the layout.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "app/ruxsat_holati.h"
#include "onboarding/qadam.h"
#include "platform/matnlar.h"

namespace harfnur {

struct Almashtirgich {
    std::string matn;
    bool qiymat;
    std::function<void(bool)> ozgartir;  // the user's change, passed on
};

struct TanishtiruvKorinishi {
    std::string logo;       // on the lime tile
    std::string sarlavha;   // title-2, bold
    std::string tavsif;     // secondary colour
    Qadam qadam1, qadam2;
    // Between the two, while macOS asks before letting Harfnur read the
    // pasteboard (qadam2 is then numbered 3).
    std::optional<Qadam> buferQadami;
    std::optional<Almashtirgich> avtoyuklash;  // only where the service exists
    std::optional<std::string> eslatma;        // a platform's extra line, under the steps
    std::string izoh;       // footer hint, caption
    Tugma pastki;           // footer button, the default action
};

class Tanishtiruv {
public:
    static constexpr double kenglik = 500, chekka = 28, oraliq = 22;
    static constexpr double sarlavhaOraligi = 14, matnOraligi = 4;
    static constexpr double logo = 56, logoRadiusi = 16, logoShrifti = 30;

    Tanishtiruv(std::shared_ptr<RuxsatHolati> holat, std::function<void()> yopish, bool avtoyuklashBormi,
                PlatformaMatnlari matnlar = {})
        : holat(std::move(holat)),
          yopish(std::move(yopish)),
          avtoyuklashBormi_(avtoyuklashBormi),
          matnlar_(std::move(matnlar)) {}

    // The content for the state as it is now.
    TanishtiruvKorinishi korinish() const;
    // Calls `f` after every change of the state the content is built from.
    RuxsatHolati::KuzatuvchiBelgisi ozgarganda(std::function<void()> f) const { return holat->kuzat(std::move(f)); }

    const std::shared_ptr<RuxsatHolati> holat;
    const std::function<void()> yopish;

private:
    bool avtoyuklashBormi_;
    PlatformaMatnlari matnlar_;
};

}  // namespace harfnur
