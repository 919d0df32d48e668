#include "tools/qatorlab.h"

#include <unistd.h>

#include <cerrno>
#include <string>

#include "engine/ogir.h"

namespace harfnur::ogiruvchi {

int qatorlabOgir(int fd, FdYozuvchi& chiqish) {
    std::string qator;
    char bufer[1 << 16];
    for (;;) {
        const ssize_t n = ::read(fd, bufer, sizeof bufer);
        if (n < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        if (n == 0) break;
        std::string_view qism(bufer, std::size_t(n));
        for (std::size_t lf; (lf = qism.find('\n')) != std::string_view::npos;) {
            qator.append(qism.substr(0, lf + 1));
            qism.remove_prefix(lf + 1);
            if (!chiqish.yoz(ogir(qator))) return 0;
            qator.clear();
        }
        qator.append(qism);
    }
    if (!qator.empty()) chiqish.yoz(ogir(qator));
    return 0;
}

}  // namespace harfnur::ogiruvchi
