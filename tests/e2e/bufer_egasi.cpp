// A clipboard owner for the end-to-end tests: offers the given files' bytes
// under the given formats, prints "tayyor" once it owns the CLIPBOARD, and
// keeps answering until it is stopped or killed.
// Usage: bufer_egasi FORMAT=FILE...
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QMimeData>
#include <QTimer>
#include <cstdio>

int main(int argc, char** argv) {
    QApplication ilova(argc, argv);
    auto* m = new QMimeData;
    for (int i = 1; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        const qsizetype t = arg.indexOf('=');
        QFile f(arg.mid(t + 1));
        if (t <= 0 || !f.open(QIODevice::ReadOnly)) return 2;
        m->setData(arg.left(t), f.readAll());
    }
    QGuiApplication::clipboard()->setMimeData(m, QClipboard::Clipboard);
    QTimer::singleShot(0, [] {
        std::puts("tayyor");
        std::fflush(stdout);
    });
    return ilova.exec();
}
