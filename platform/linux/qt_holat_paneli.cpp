#include "platform/linux/qt_holat_paneli.h"

#include <QAction>
#include <QFont>
#include <QIcon>
#include <QMenu>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QSystemTrayIcon>

#include "onboarding/rang.h"

namespace harfnur::linux_ {

QColor qrang(const Rang& r) { return QColor::fromRgbF(float(r.q), float(r.y), float(r.k), float(r.shaffof)); }

QIcon belgiRasmi(const QString& matn) {
    QIcon ikon;
    for (int o : {16, 22, 24, 32, 48, 64}) {
        QPixmap p(o, o);
        p.fill(Qt::transparent);
        QPainter g(&p);
        g.setRenderHint(QPainter::Antialiasing);
        QPainterPath yol;
        yol.addRoundedRect(QRectF(0, 0, o, o), o * 16.0 / 56, o * 16.0 / 56);
        g.fillPath(yol, qrang(lime));
        QFont f = g.font();
        f.setBold(true);
        f.setPixelSize(int(o * 30.0 / 56 * 1.3));
        g.setFont(f);
        g.setPen(Qt::black);
        g.drawText(QRect(0, 0, o, o), Qt::AlignCenter, matn);
        ikon.addPixmap(p);
    }
    return ikon;
}

namespace {

class Belgi final : public port::HolatBelgisi {
public:
    Belgi() { tray_.setIcon(belgiRasmi(QStringLiteral("Ö"))); }
    bool tugmasiBormi() override { return true; }
    void sarlavhaQoy(const std::string& s) override {
        tray_.setIcon(belgiRasmi(QString::fromStdString(s)));
        tray_.show();
    }
    void izohQoy(const std::string& s) override { tray_.setToolTip(QString::fromStdString(s)); }
    void menyuQoy(std::vector<port::MenyuBandi> bandlar) override {
        menyu_.clear();
        for (auto& b : bandlar) {
            if (b.ajratgichmi) {
                menyu_.addSeparator();
                continue;
            }
            QAction* a = menyu_.addAction(QString::fromStdString(b.sarlavha));
            a->setEnabled(b.yoqilgan);
            // Control stands in for Command.
            if (!b.tugma.empty()) a->setShortcut(QKeySequence(QString::fromStdString("Ctrl+" + b.tugma)));
            a->setShortcutVisibleInContextMenu(true);
            if (b.amal) QObject::connect(a, &QAction::triggered, [f = std::move(b.amal)] { f(); });
        }
        tray_.setContextMenu(&menyu_);
        tray_.show();
    }

private:
    QMenu menyu_;
    QSystemTrayIcon tray_;
};

}  // namespace

std::unique_ptr<port::HolatBelgisi> QtHolatPaneli::belgiYarat() { return std::make_unique<Belgi>(); }

}  // namespace harfnur::linux_
