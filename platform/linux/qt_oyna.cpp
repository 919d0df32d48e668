#include "platform/linux/qt_oyna.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <QWidget>

#include "onboarding/tanishtiruv.h"
#include "platform/linux/x11_faollashtirish.h"

namespace harfnur::linux_ {

QColor qrang(const Rang& r);

namespace {

// A coloured shape with a centred glyph: the logo tile and the step badges.
class Nishon final : public QWidget {
public:
    Nishon(double olcham, double radius, Rang fon, Rang rang, QString matn, double shrift, QWidget* ota)
        : QWidget(ota), radius_(radius), fon_(fon), rang_(rang), matn_(std::move(matn)), shrift_(shrift) {
        setFixedSize(int(olcham), int(olcham));
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter g(this);
        g.setRenderHint(QPainter::Antialiasing);
        QPainterPath yol;
        yol.addRoundedRect(QRectF(rect()), radius_, radius_);
        g.fillPath(yol, qrang(fon_));
        QFont f = font();
        f.setBold(true);
        f.setPointSizeF(shrift_);
        g.setFont(f);
        g.setPen(qrang(rang_));
        g.drawText(rect(), Qt::AlignCenter, matn_);
    }

private:
    double radius_;
    Rang fon_, rang_;
    QString matn_;
    double shrift_;
};

QLabel* yorliq(const std::string& s, QWidget* ota, bool ikkilamchi = false) {
    auto* l = new QLabel(QString::fromStdString(s), ota);
    l->setWordWrap(true);
    if (ikkilamchi) l->setStyleSheet("color: #6e6e73;");  // a secondary label grey
    return l;
}

QWidget* qadamQatori(const Qadam& q, QWidget* ota) {
    auto* w = new QWidget(ota);
    auto* h = new QHBoxLayout(w);
    h->setContentsMargins(0, 0, 0, 0);
    h->setSpacing(int(Qadam::oraliq));
    h->setAlignment(Qt::AlignTop);
    h->addWidget(new Nishon(Qadam::nishon, Qadam::nishon / 2, q.nishonRangi(), q.nishonMatnRangi(),
                            QString::fromStdString(q.nishonMatni()), Qadam::nishonShrifti, w),
                 0, Qt::AlignTop);
    auto* v = new QVBoxLayout;
    v->setSpacing(int(Qadam::matnOraligi));
    auto* s = yorliq(q.sarlavha, w);
    QFont f = s->font();
    f.setBold(true);
    s->setFont(f);
    v->addWidget(s);
    v->addWidget(yorliq(q.matn, w, true));
    if (q.tugma) {
        auto* b = new QPushButton(QString::fromStdString(q.tugma->sarlavha), w);
        b->setAutoDefault(false);
        QObject::connect(b, &QPushButton::clicked, [f = q.tugma->amal] { f(); });
        v->addSpacing(4);
        v->addWidget(b, 0, Qt::AlignLeft);
    }
    h->addLayout(v, 1);
    return w;
}

class Oyna final : public QWidget, public port::Oyna {
public:
    explicit Oyna(std::shared_ptr<Tanishtiruv> k) : korinish_(std::move(k)) {
        setAttribute(Qt::WA_QuitOnClose, false);
        chiz();
        // Redrawn after the handler that changed the state has returned: the
        // switch that was clicked may be among the widgets replaced.
        obuna_ = korinish_->ozgarganda([this] { QMetaObject::invokeMethod(this, [this] { chiz(); }, Qt::QueuedConnection); });
    }
    ~Oyna() override { korinish_->holat->kuzatma(obuna_); }

    void sarlavhaQoy(const std::string& s) override { setWindowTitle(QString::fromStdString(s)); }
    void uslubQoy(unsigned niqob) override {
        Qt::WindowFlags f = Qt::Window | Qt::CustomizeWindowHint;
        if (niqob & port::sarlavhaliUslub) f |= Qt::WindowTitleHint;
        if (niqob & port::yopiladiganUslub) f |= Qt::WindowCloseButtonHint;
        setWindowFlags(f);
    }
    void markazla() override {
        adjustSize();
        if (QScreen* e = QApplication::primaryScreen()) move(e->availableGeometry().center() - rect().center());
    }
    void oldingaChiqar() override { linux_::oldingaChiqar(this); }
    void yop() override { hide(); }

protected:
    // A plain window has no default button: Return presses the footer's,
    // whichever widget has the focus.
    void keyPressEvent(QKeyEvent* e) override {
        if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && pastki_.standartmi && pastki_.amal) {
            const auto f = pastki_.amal;  // it may close the window
            f();
            return;
        }
        QWidget::keyPressEvent(e);
    }
    void closeEvent(QCloseEvent* e) override {
        e->ignore();  // closing only hides: the same window comes back later
        hide();
    }

private:
    void chiz() {
        const TanishtiruvKorinishi k = korinish_->korinish();
        delete layout();
        qDeleteAll(findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly));
        // The width is the view's, the height follows the content.
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        setFixedWidth(int(Tanishtiruv::kenglik));
        auto* v = new QVBoxLayout(this);
        const int c = int(Tanishtiruv::chekka);
        v->setContentsMargins(c, c, c, c);
        v->setSpacing(int(Tanishtiruv::oraliq));

        auto* bosh = new QHBoxLayout;
        bosh->setSpacing(int(Tanishtiruv::sarlavhaOraligi));
        bosh->addWidget(new Nishon(Tanishtiruv::logo, Tanishtiruv::logoRadiusi, lime, qora,
                                   QString::fromStdString(k.logo), Tanishtiruv::logoShrifti, this));
        auto* matnlar = new QVBoxLayout;
        matnlar->setSpacing(int(Tanishtiruv::matnOraligi));
        auto* sarlavha = yorliq(k.sarlavha, this);
        QFont f = sarlavha->font();
        f.setBold(true);
        f.setPointSizeF(f.pointSizeF() * 1.6);
        sarlavha->setFont(f);
        matnlar->addWidget(sarlavha);
        matnlar->addWidget(yorliq(k.tavsif, this, true));
        bosh->addLayout(matnlar, 1);
        v->addLayout(bosh);

        v->addWidget(qadamQatori(k.qadam1, this));
        v->addWidget(qadamQatori(k.qadam2, this));
        if (k.avtoyuklash) {
            auto* q = new QCheckBox(QString::fromStdString(k.avtoyuklash->matn), this);
            q->setChecked(k.avtoyuklash->qiymat);
            // The switch shows the state read back, not the click itself.
            QObject::connect(q, &QCheckBox::clicked, [q, f = k.avtoyuklash->ozgartir, h = korinish_->holat](bool yangi) {
                f(yangi);
                q->setChecked(h->avtoyuklash());
            });
            v->addWidget(q);
        }
        if (k.eslatma) v->addWidget(yorliq(*k.eslatma, this));
        auto* past = new QHBoxLayout;
        auto* izoh = yorliq(k.izoh, this, true);
        QFont kf = izoh->font();
        kf.setPointSizeF(kf.pointSizeF() * 0.85);
        izoh->setFont(kf);
        past->addWidget(izoh, 1);
        auto* tugma = new QPushButton(QString::fromStdString(k.pastki.sarlavha), this);
        tugma->setDefault(k.pastki.standartmi);
        QObject::connect(tugma, &QPushButton::clicked, [f = k.pastki.amal] { f(); });
        past->addWidget(tugma);
        v->addLayout(past);
        pastki_ = k.pastki;
        adjustSize();
        setFixedSize(size());  // never resized by the user
    }

    std::shared_ptr<Tanishtiruv> korinish_;
    RuxsatHolati::KuzatuvchiBelgisi obuna_;
    Tugma pastki_;
};

}  // namespace

std::unique_ptr<port::Oyna> QtOynaXizmati::yarat(std::shared_ptr<Tanishtiruv> korinish) {
    return std::make_unique<Oyna>(std::move(korinish));
}

}  // namespace harfnur::linux_
