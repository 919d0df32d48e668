// Decisions that keep the program's two lifelines up: the keyboard hook,
// which Windows may drop without a word (a callback that was late once, a
// resume from sleep), and the notification-area icon, which cannot be added
// before Explorer is up. Times are GetTickCount milliseconds, which wrap.
#pragma once

#include <cstdint>

namespace harfnur::windows_ {

// Tells a dead hook: the system saw input (GetLastInputInfo) long after the
// last key the hook reported. Input may be the mouse alone, so each
// re-install that brings no key doubles the wait before the next.
class IlmoqNazorati {
public:
    static constexpr std::uint32_t boshlangichChegara = 60'000;
    static constexpr std::uint32_t engKattaChegara = 30 * 60'000;

    explicit IlmoqNazorati(std::uint32_t ornatildi) : oxirgi_(ornatildi) {}
    void tugmaKorildi(std::uint32_t vaqt);
    // Installed again for another reason (a resume, an unlock).
    void qaytaOrnatildi(std::uint32_t vaqt) { oxirgi_ = vaqt; }
    // Whether to install it again now, given the system's last input; when
    // so, it counts as installed at `hozir`.
    bool tekshir(std::uint32_t hozir, std::uint32_t oxirgiKiritish);
    std::uint32_t chegara() const { return chegara_; }

private:
    std::uint32_t oxirgi_;  // the last key seen, or the last install
    std::uint32_t chegara_ = boshlangichChegara;
};

// How long to wait before adding the icon again after the `urinish`-th
// failure (from 1): soon while Explorer is starting, then every half minute.
std::uint32_t belgiUrinishOraligi(int urinish);

}  // namespace harfnur::windows_
