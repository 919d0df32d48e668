#include "platform/linux/qt_bufer.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "platform/linux/asosiy_ip.h"

namespace harfnur::linux_ {
namespace {

constexpr const char* tarixBelgisi = "x-kde-passwordManagerHint";

// Content whose data, asked for by another client (a paste's
// SelectionRequest), is counted; the list of formats is not data.
class SanaladiganMazmun final : public QMimeData {
public:
    SanaladiganMazmun(std::atomic<std::int64_t>& son, const bool& ozimiz) : son_(son), ozimiz_(ozimiz) {}

protected:
    QVariant retrieveData(const QString& tur, QMetaType t) const override {
        // Clipboard histories ask for the hint first, to leave the item out.
        if (!ozimiz_ && tur != QLatin1String(tarixBelgisi)) ++son_;
        return QMimeData::retrieveData(tur, t);
    }

private:
    std::atomic<std::int64_t>& son_;
    const bool& ozimiz_;
};

}  // namespace

QtBufer::QtBufer() {
    QObject::connect(QGuiApplication::clipboard(), &QClipboard::changed, this, [this](QClipboard::Mode m) {
        if (m == QClipboard::Clipboard) ++son_;
    });
}

std::optional<std::string> QtBufer::matn() {
    return asosiyIpda([this]() -> std::optional<std::string> {
        ozimiz_ = true;
        const QMimeData* m = QGuiApplication::clipboard()->mimeData(QClipboard::Clipboard);
        std::optional<std::string> r;
        if (m && m->hasText()) r = m->text().toStdString();
        ozimiz_ = false;
        return r;
    });
}

void QtBufer::tozala() {
    asosiyIpda([] { QGuiApplication::clipboard()->clear(QClipboard::Clipboard); });
}

void QtBufer::matnYoz(const std::string& matn) {
    asosiyIpda([&] { QGuiApplication::clipboard()->setText(QString::fromStdString(matn), QClipboard::Clipboard); });
}

port::BuferNusxasi QtBufer::olish(const port::TurTanlovi& kerakmi) {
    // Read with requests of our own, not QClipboard's, which waits up to five
    // seconds for each format; off the main thread, which answers for the
    // clipboard whenever this program owns it.
    return oquvchi_.oqi(kerakmi ? tanlabOlishMuddati : olishMuddati, kerakmi);
}

void QtBufer::yoz(const std::string& matn, const port::BuferNusxasi& boylar) {
    asosiyIpda([&] {
        auto* m = new SanaladiganMazmun(oqildi_, ozimiz_);
        for (const auto& [tur, baytlar] : boylar.turlar)
            m->setData(QString::fromStdString(tur), QByteArray(baytlar.data(), qsizetype(baytlar.size())));
        m->setText(QString::fromStdString(matn));
        // Clipboard histories (Klipper and others) leave it out.
        m->setData(QLatin1String(tarixBelgisi), QByteArrayLiteral("secret"));
        QGuiApplication::clipboard()->setMimeData(m, QClipboard::Clipboard);
    });
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
