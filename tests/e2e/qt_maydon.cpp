// A Qt text field for the end-to-end tests and the demo: writes its text to
// a file on every change, so a test can read what the user would see.
// Usage: qt_maydon FILE [INITIAL-TEXT [TITLE]]
#include <QApplication>
#include <QFile>
#include <QLineEdit>

int main(int argc, char** argv) {
    QApplication ilova(argc, argv);
    if (argc < 2) return 2;
    const QString yol = QString::fromLocal8Bit(argv[1]);
    QLineEdit maydon;
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
