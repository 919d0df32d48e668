// The onboarding window: an NSWindow whose content is built with AppKit
// views from the onboarding view model and its layout constants, built again
// whenever the model's state changes. Main thread only; closing it only
// hides it.
#pragma once

#include "platform/oyna.h"

namespace harfnur::mac {

struct NsOynaXizmati final : port::OynaXizmati {
    std::unique_ptr<port::Oyna> yarat(std::shared_ptr<Tanishtiruv> korinish) override;
};

}  // namespace harfnur::mac
