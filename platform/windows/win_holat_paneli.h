// The notification-area icon: the lime "Ö" tile drawn for the taskbar's DPI,
// its tooltip and its menu; added again when Explorer restarts.
#pragma once

#include "platform/holat_belgisi.h"
#include "platform/windows/win_asosiy.h"

namespace harfnur::windows_ {

struct WinHolatPaneli final : port::HolatPaneli {
    std::unique_ptr<port::HolatBelgisi> belgiYarat() override;
};

// The menu's Control shortcuts while one of our windows has the keyboard;
// true when the message was one of them.
bool tezTugmami(const MSG& m);

}  // namespace harfnur::windows_
