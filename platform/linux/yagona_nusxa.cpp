#include "platform/linux/yagona_nusxa.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>
#include <cstdlib>

namespace harfnur::linux_ {

namespace {
constexpr int kutish = 3000;    // ms a later start waits for the first to listen
constexpr char soroq[] = "och";  // the one request, then the startup id
}  // namespace

YagonaNusxa::YagonaNusxa() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    std::filesystem::path papka = runtime && *runtime ? runtime : std::filesystem::temp_directory_path();
    std::string displey = std::getenv("DISPLAY") ? std::getenv("DISPLAY") : "";
    for (char& c : displey)
        if (c == '/' || c == ':') c = '_';
    const std::string nom = "harfnur-" + std::to_string(::getuid()) + "-" + displey;
    qulf = papka / (nom + ".lock");
    soket = papka / (nom + ".sock");
}

YagonaNusxa::~YagonaNusxa() {
    if (server_) server_->close();
    if (fd_ >= 0) ::close(fd_);
}

bool YagonaNusxa::egalla() {
    fd_ = ::open(qulf.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    return fd_ >= 0 && ::flock(fd_, LOCK_EX | LOCK_NB) == 0;
}

void YagonaNusxa::tingla(std::function<void(const std::string&)> ochilsin) {
    server_ = std::make_unique<QLocalServer>();
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    const QString yol = QString::fromStdString(soket.string());
    QLocalServer::removeServer(yol);  // left by a Harfnur that died: the lock is ours
    if (!server_->listen(yol)) return;
    QObject::connect(server_.get(), &QLocalServer::newConnection, server_.get(), [this, ochilsin] {
        while (QLocalSocket* s = server_->nextPendingConnection()) {
            QObject::connect(s, &QLocalSocket::disconnected, s, &QObject::deleteLater);
            QObject::connect(s, &QLocalSocket::readyRead, s, [s, ochilsin] {
                if (!s->canReadLine()) return;
                const QByteArray satr = s->readLine().trimmed();
                if (satr.startsWith(soroq)) {
                    ochilsin(satr.mid(int(sizeof soroq)).trimmed().toStdString());
                    s->write("ok\n");
                    s->flush();
                }
                s->disconnectFromServer();
            });
        }
    });
}

bool YagonaNusxa::ochishniSora(const std::string& boshlashId) {
    QLocalSocket s;
    const QString yol = QString::fromStdString(soket.string());
    // The running one may hold the lock and not listen yet.
    for (int otdi = 0; otdi < kutish; otdi += 100) {
        s.connectToServer(yol);
        if (s.waitForConnected(100)) break;
        QThread::msleep(100);
    }
    if (s.state() != QLocalSocket::ConnectedState) return false;
    s.write(QByteArray(soroq) + ' ' + QByteArray::fromStdString(boshlashId) + '\n');
    if (!s.waitForBytesWritten(kutish)) return false;
    while (!s.canReadLine())
        if (!s.waitForReadyRead(kutish)) return false;
    return s.readLine().trimmed() == "ok";
}

}  // namespace harfnur::linux_
