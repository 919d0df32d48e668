#include "platform/mac/gcd_navbat.h"

#include <dispatch/dispatch.h>

namespace harfnur::mac {

struct GcdNavbat::Navbat {
    dispatch_queue_t q;
};

GcdNavbat::GcdNavbat(const std::string& yorliq)
    : n_(std::make_unique<Navbat>(Navbat{dispatch_queue_create(yorliq.c_str(), DISPATCH_QUEUE_SERIAL)})) {}

GcdNavbat::~GcdNavbat() = default;

void GcdNavbat::qosh(std::function<void()> ish) {
    // A queue made without attributes sets up no autorelease pool of its
    // own around a task: without this one, the pasteboard data a conversion
    // reads would pile up on the worker thread.
    dispatch_async(n_->q, ^{
      @autoreleasepool {
          ish();
      }
    });
}

}  // namespace harfnur::mac
