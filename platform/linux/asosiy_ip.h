// Runs work on the main (GUI) thread and waits for it: the clipboard and
// the widgets may only be touched there.
#pragma once

#include <QCoreApplication>
#include <QMetaObject>
#include <QThread>
#include <utility>

namespace harfnur::linux_ {

template <class F>
auto asosiyIpda(F&& f) -> decltype(f()) {
    auto* ilova = QCoreApplication::instance();
    if (!ilova || QThread::currentThread() == ilova->thread()) return f();
    using R = decltype(f());
    if constexpr (std::is_void_v<R>) {
        QMetaObject::invokeMethod(ilova, std::forward<F>(f), Qt::BlockingQueuedConnection);
    } else {
        R r{};
        QMetaObject::invokeMethod(ilova, [&] { r = f(); }, Qt::BlockingQueuedConnection);
        return r;
    }
}

}  // namespace harfnur::linux_
