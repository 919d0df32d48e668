// The CLIPBOARD through QClipboard. X11 has no change count: one is kept
// here, moved on every change of owner (ours included).
#pragma once

#include <QObject>
#include <atomic>

#include "platform/bufer.h"

namespace harfnur::linux_ {

class QtBufer final : public QObject, public port::Bufer {
public:
    QtBufer();  // on the main thread
    std::int64_t ozgarishSoni() override { return son_.load(); }
    std::optional<std::string> matn() override;
    void tozala() override;
    void matnYoz(const std::string& matn) override;
    port::BuferNusxasi olish() override;
    void qaytar(const port::BuferNusxasi& nusxa) override;

private:
    std::atomic<std::int64_t> son_{0};
};

}  // namespace harfnur::linux_
