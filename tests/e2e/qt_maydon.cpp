// A Qt text field for the end-to-end tests and the demo: writes its text to
// a file on every change, so a test can read what the user would see.
// Usage: qt_maydon FILE [INITIAL-TEXT [TITLE]]
// With QT_MAYDON_KECH_QOY=SECONDS it reads the clipboard that long after a
// paste key, as remote desktops and busy editors do.
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>

namespace {

class Maydon final : public QLineEdit {
public:
    explicit Maydon(int kechMs) : kechMs_(kechMs) {}

protected:
    void keyPressEvent(QKeyEvent* e) override {
        if (kechMs_ <= 0 || !e->matches(QKeySequence::Paste)) return QLineEdit::keyPressEvent(e);
        QTimer::singleShot(kechMs_, this, [this] { insert(QGuiApplication::clipboard()->text()); });
    }

private:
    int kechMs_;
};

}  // namespace

int main(int argc, char** argv) {
    QApplication ilova(argc, argv);
    if (argc < 2) return 2;
    const QString yol = QString::fromLocal8Bit(argv[1]);
    Maydon maydon(int(qEnvironmentVariable("QT_MAYDON_KECH_QOY").toDouble() * 1000));
    maydon.setWindowTitle(argc > 3 ? QString::fromUtf8(argv[3]) : QStringLiteral("QtMaydon"));
    maydon.resize(420, 40);
    QObject::connect(&maydon, &QLineEdit::textChanged, [yol](const QString& t) {
        QFile f(yol + ".tmp");
        if (f.open(QIODevice::WriteOnly)) {
            f.write(t.toUtf8());
            f.close();
            QFile::remove(yol);
            QFile::rename(yol + ".tmp", yol);
        }
    });
    if (argc > 2) maydon.setText(QString::fromUtf8(argv[2]));  // initial text
    maydon.show();
    return ilova.exec();
}
