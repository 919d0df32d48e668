// Whether this process may watch other applications' keys and post keys.
#pragma once

namespace harfnur::port {

class Ishonch {
public:
    virtual ~Ishonch() = default;
    virtual bool ishonchlimi() = 0;
};

}  // namespace harfnur::port
