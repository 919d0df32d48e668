#include "platform/linux/qt_bufer.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "platform/linux/asosiy_ip.h"

namespace harfnur::linux_ {

QtBufer::QtBufer() {
    QObject::connect(QGuiApplication::clipboard(), &QClipboard::changed, this, [this](QClipboard::Mode m) {
        if (m == QClipboard::Clipboard) ++son_;
    });
}

std::optional<std::string> QtBufer::matn() {
    return asosiyIpda([]() -> std::optional<std::string> {
        const QMimeData* m = QGuiApplication::clipboard()->mimeData(QClipboard::Clipboard);
        if (!m || !m->hasText()) return std::nullopt;
        return m->text().toStdString();
    });
}

void QtBufer::tozala() {
    asosiyIpda([] { QGuiApplication::clipboard()->clear(QClipboard::Clipboard); });
}

void QtBufer::matnYoz(const std::string& matn) {
    asosiyIpda([&] { QGuiApplication::clipboard()->setText(QString::fromStdString(matn), QClipboard::Clipboard); });
}

port::BuferNusxasi QtBufer::olish() {
    // Read with requests of our own, not QClipboard's, which waits up to five
    // seconds for each format; off the main thread, which answers for the
    // clipboard whenever this program owns it.
    return oquvchi_.oqi(olishMuddati);
}

void QtBufer::qaytar(const port::BuferNusxasi& nusxa) {
    asosiyIpda([&] {
        auto* m = new QMimeData;
        for (const auto& [tur, baytlar] : nusxa.turlar)
            m->setData(QString::fromStdString(tur), QByteArray(baytlar.data(), qsizetype(baytlar.size())));
        // Harfnur owns the content from now on, so it stays while Harfnur runs.
        QGuiApplication::clipboard()->setMimeData(m, QClipboard::Clipboard);
    });
}

}  // namespace harfnur::linux_
