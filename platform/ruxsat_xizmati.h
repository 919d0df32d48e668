// The permission to watch and post keys: the query, the system's prompt and
// the settings page where the user grants it.
#pragma once

#include <string>

#include "platform/ishonch.h"

namespace harfnur::port {

class RuxsatXizmati : public Ishonch {
public:
    virtual void sorovKorsat() = 0;                           // the system prompt, if it has one
    virtual bool manzilniOch(const std::string& manzil) = 0;  // false when it does not parse
};

}  // namespace harfnur::port
