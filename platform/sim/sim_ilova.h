// The front application: one text field that answers select-all, copy and
// paste like an editor, with a settable copy delay and failure modes. It
// also stands for the keyboard: which modifiers the user holds.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "platform/hodisa.h"

#include "platform/sim/sim_bufer.h"
#include "platform/tugma_yuborish.h"

namespace harfnur::sim {

enum class NusxaRejimi {
    oddiy,     // the selection lands on the pasteboard after `nusxaKechikishi`
    hechnarsa, // copying does nothing
    matnEmas,  // the pasteboard changes to something that is not text
};

class SimIlova final : public port::TugmaYuborish {
public:
    SimIlova(SimSoat& soat, SimBufer& bufer) : soat_(soat), bufer_(bufer) {}

    void bos(std::uint16_t kod, std::uint64_t bayroqlar) override;
    void modifikator(std::uint16_t kod, bool pastga, std::uint64_t bayroqlar) override;
    std::uint64_t ushlanganBayroqlar() override;

    // Where posted modifier events go (the desktop's event stream).
    std::function<void(const TugmaHodisasi&)> hodisaOqimi;

    // The field: its text and the selected bytes [tanlovBoshi, tanlovOxiri).
    void maydon(std::string matn, std::size_t tanlovBoshi, std::size_t tanlovOxiri);
    std::string matn();
    void nusxaRejimi(NusxaRejimi r, port::Mikro kechikish = port::Mikro(30'000));
    // More representations that each copy carries beside the text (a rich
    // editor's HTML, a picture).
    void nusxaQoshimchasi(std::vector<std::pair<std::string, std::string>> turlar);
    // Like a code editor: a copy with nothing selected copies the current
    // line, marked as coming from an empty selection.
    void qatorNusxalaydi(bool ha);
    // How long after the paste key the field reads the pasteboard.
    void qoyishKechikishi(port::Mikro k);
    // What the pasteboard held when the field last read it for a paste.
    port::BuferNusxasi qoyilgan();
    void ushlanganBayroqlar(std::uint64_t b);

private:
    SimSoat& soat_;
    SimBufer& bufer_;
    std::string matn_;
    std::size_t bosh_ = 0, oxir_ = 0;
    NusxaRejimi rejim_ = NusxaRejimi::oddiy;
    port::Mikro kechikish_{30'000};
    std::uint64_t ushlangan_ = 0;
    std::vector<std::pair<std::string, std::string>> qoshimcha_;
    bool qatorNusxalaydi_ = false;
    port::Mikro qoyishKechikishi_{0};
    port::BuferNusxasi qoyilgan_;
};

}  // namespace harfnur::sim
