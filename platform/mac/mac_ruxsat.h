// The Accessibility permission: the query, the system's prompt, and the
// settings page where the user grants it. The query may be made on any
// thread; the prompt and the page are opened on the main thread.
#pragma once

#include "platform/ruxsat_xizmati.h"

namespace harfnur::mac {

struct MacRuxsat final : port::RuxsatXizmati {
    bool ishonchlimi() override;
    void sorovKorsat() override;
    bool manzilniOch(const std::string& manzil) override;
};

}  // namespace harfnur::mac
