// The settings-and-guide window: the onboarding model drawn with GDI and a
// few standard controls, at the model's sizes scaled for the monitor's DPI.
#pragma once

#include "platform/oyna.h"
#include "platform/windows/win_asosiy.h"

namespace harfnur::windows_ {

struct WinOynaXizmati final : port::OynaXizmati {
    std::unique_ptr<port::Oyna> yarat(std::shared_ptr<Tanishtiruv> korinish) override;
};

// Keyboard handling for our window (Tab, Return for the default button,
// Escape); true when the message was taken.
bool oynaXabarimi(MSG& m);

}  // namespace harfnur::windows_
