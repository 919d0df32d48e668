#include "platform/windows/tugma_xaritasi.h"

#include <cmath>

#include "platform/windows/vk.h"

namespace harfnur::windows_ {
namespace {

// The generic Shift, Control and Alt keys as their left or right key.
std::uint32_t aniqVk(std::uint32_t vk, std::uint32_t skan, bool kengaytirilgan) {
    switch (vk) {
        case vk::shift: return (skan & 0xFF) == vk::ongShiftSkani ? vk::ongShift : vk::chapShift;
        case vk::boshqarish: return kengaytirilgan ? vk::ongBoshqarish : vk::chapBoshqarish;
        case vk::alt: return kengaytirilgan ? vk::ongAlt : vk::chapAlt;
        default: return vk;
    }
}

bool shiftmi(std::uint32_t v) { return v == vk::chapShift || v == vk::ongShift; }

}  // namespace

bool ikkiHolatliRaqammi(std::uint32_t skan, bool kengaytirilgan) {
    const std::uint32_t s = skan & 0xFF;
    // 7 8 9 - 4 5 6 + 1 2 3 0 . : all but minus and plus.
    return !kengaytirilgan && s >= 0x47 && s <= 0x53 && s != 0x4A && s != 0x4E;
}

bool TugmaXaritasi::sahtaShiftmi(const HookTugmasi& t, std::uint32_t v) const {
    if (!shiftmi(v)) return false;
    if ((t.skan & sahtaSkanBiti) || t.vaqt == 0) return true;
    return shiftQaytadi_ && t.pastga && bosilgan_[v];
}

std::optional<std::uint16_t> modifikatorKodi(std::uint32_t v, std::uint32_t skan, bool kengaytirilgan) {
    switch (aniqVk(v, skan, kengaytirilgan)) {
        case vk::chapShift: return hodisa::chapShift;
        case vk::ongShift: return hodisa::ongShift;
        case vk::chapBoshqarish: return 59;
        case vk::ongBoshqarish: return 62;
        case vk::chapAlt: return 58;
        case vk::ongAlt: return 61;
        case vk::chapWin: return 55;
        case vk::ongWin: return 54;
        case vk::capsLock: return 57;
        default: return std::nullopt;
    }
}

std::uint64_t TugmaXaritasi::bayroqlar() const {
    const auto bormi = [this](std::uint32_t a, std::uint32_t b) { return bosilgan_[a] || bosilgan_[b]; };
    std::uint64_t r = qulf_ ? qulfBayrogi : 0;
    if (bormi(vk::chapShift, vk::ongShift)) r |= hodisa::shiftBayrogi;
    if (bormi(vk::chapBoshqarish, vk::ongBoshqarish)) r |= boshqarishBayrogi;
    if (bormi(vk::chapAlt, vk::ongAlt)) r |= altBayrogi;
    if (bormi(vk::chapWin, vk::ongWin)) r |= hodisa::buyruqBayrogi;
    return r;
}

std::optional<TugmaHodisasi> TugmaXaritasi::otkaz(const HookTugmasi& t) {
    if (t.bizniki) return std::nullopt;  // our own presses are neither taps nor held keys
    const std::uint32_t v = aniqVk(t.vk, t.skan, t.kengaytirilgan) & 0xFF;
    // Neither a tap nor a change of what is held: the user's Shift stays as it was.
    const bool sahta = sahtaShiftmi(t, v);
    shiftQaytadi_ = !t.pastga && ikkiHolatliRaqammi(t.skan, t.kengaytirilgan) &&
                    (bosilgan_[vk::chapShift] || bosilgan_[vk::ongShift]);
    if (sahta) return std::nullopt;
    const bool edi = bosilgan_[v];
    const bool takrormi = t.pastga && edi && std::abs(t.vaqt - oxirgi_[v]) < takrorChegarasi;
    bosilgan_[v] = t.pastga;
    oxirgi_[v] = t.vaqt;
    if (takrormi) return std::nullopt;  // auto-repeat of a held key
    const std::optional<std::uint16_t> kod = modifikatorKodi(v, t.skan, t.kengaytirilgan);
    if (kod) {
        if (!t.pastga && !edi) return std::nullopt;  // a release whose press we never saw
        if (v == vk::capsLock) {
            if (t.pastga) qulf_ = !qulf_;
            else return std::nullopt;  // only its press changes the flag
        }
        return TugmaHodisasi{hodisa::bayroqlarOzgardi, *kod, bayroqlar(), t.vaqt};
    }
    if (!t.pastga) return std::nullopt;  // releases of normal keys are not watched
    return TugmaHodisasi{hodisa::tugmaBosildi, std::uint16_t(v), bayroqlar(), t.vaqt};
}

}  // namespace harfnur::windows_
