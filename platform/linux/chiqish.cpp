#include "platform/linux/chiqish.h"

#include <signal.h>
#include <cerrno>
#include <sys/socket.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QSocketNotifier>

// Defined only when LeakSanitizer is linked in.
extern "C" void __lsan_do_leak_check() __attribute__((weak));

namespace harfnur::linux_ {
namespace {

int juft[2] = {-1, -1};  // the handler writes, the event loop reads

void ishlovchi(int) {
    const int xato = errno;
    const char b = 1;
    [[maybe_unused]] const auto n = ::write(juft[1], &b, 1);
    errno = xato;
}

}  // namespace

void signaldaToxta() {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, juft) != 0) return;
    auto* b = new QSocketNotifier(juft[0], QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(b, &QSocketNotifier::activated, [] {
        char c;
        while (::read(juft[0], &c, 1) > 0) {
        }
        QCoreApplication::exit(0);  // quit() would ask the windows, and the guide window only hides
    });
    struct sigaction s {};
    s.sa_handler = ishlovchi;
    sigemptyset(&s.sa_mask);
    s.sa_flags = SA_RESTART;
    for (int sig : {SIGTERM, SIGINT, SIGHUP}) ::sigaction(sig, &s, nullptr);
}

void chiqishOldidanTekshir() {
    if (__lsan_do_leak_check) __lsan_do_leak_check();
}

}  // namespace harfnur::linux_
