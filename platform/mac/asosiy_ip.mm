#include "platform/mac/asosiy_ip.h"

#import <Foundation/Foundation.h>
#include <dispatch/dispatch.h>

namespace harfnur::mac {
namespace {

void chaqir(void* ish) { (*static_cast<const std::function<void()>*>(ish))(); }

}  // namespace

void asosiyIpda(const std::function<void()>& ish) {
    if ([NSThread isMainThread]) {
        ish();
        return;
    }
    dispatch_sync_f(dispatch_get_main_queue(), const_cast<std::function<void()>*>(&ish), chaqir);
}

}  // namespace harfnur::mac
