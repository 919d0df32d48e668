// The onboarding window, drawn from the onboarding view model and redrawn
// whenever the model's state changes. Closing it only hides it.
#pragma once

#include "platform/oyna.h"

namespace harfnur::linux_ {

struct QtOynaXizmati final : port::OynaXizmati {
    std::unique_ptr<port::Oyna> yarat(std::shared_ptr<Tanishtiruv> korinish) override;
};

}  // namespace harfnur::linux_
