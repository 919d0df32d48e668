// harfnur-ogir: converts files or standard input to the reformed Uzbek Latin
// orthography with the same engine the desktop app uses.
#include <fcntl.h>
#include <unistd.h>
#ifdef _WIN32
#include <io.h>

#include <filesystem>
#endif

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "engine/ogir.h"

namespace {

constexpr const char* dastur = "harfnur-ogir";
#ifdef _WIN32
constexpr int ochishRejimi = O_RDONLY | O_BINARY;  // bytes as they are, no CRLF translation
#else
constexpr int ochishRejimi = O_RDONLY | O_CLOEXEC;
#endif

const char* const yordam =
    "Usage: harfnur-ogir [OPTIONS] [FILE...]\n"
    "Convert Uzbek text in the old Latin orthography (o' g' sh ch) or in Cyrillic\n"
    "to the reformed Latin orthography (ö ğ ş ç ʼ), writing to standard output.\n"
    "\n"
    "With no FILE, or when FILE is -, read standard input. Each input is one text:\n"
    "its script is chosen once for the whole of it. Bytes are kept exactly as they\n"
    "are wherever no rule applies (line endings, a byte order mark, invalid UTF-8).\n"
    "\n"
    "Options:\n"
    "  -l, --lines    treat each line as a text of its own (script chosen per line),\n"
    "                 streaming, so memory stays small on input of any size\n"
    "  -h, --help     show this help and exit\n"
    "  -V, --version  show the version and exit\n"
    "\n"
    "Example:\n"
    "  echo \"O'zbekiston, Тошкент шаҳри\" | harfnur-ogir -l\n"
    "\n"
    "Exit status: 0 on success, 1 if an input could not be read or the output\n"
    "could not be written, 2 on a usage error.\n";

// Output through a buffer with one write(2) loop, so that a closed pipe or a
// full disk is seen as an error of its own and reported once.
class Chiqish {
public:
    bool yoz(std::string_view s) {
        if (xato_) return false;
        if (bufer_.size() + s.size() > 1 << 16) {
            if (!yubor()) return false;
            if (s.size() > 1 << 16) return yozBevosita(s);
        }
        bufer_.append(s);
        return true;
    }
    bool yubor() {
        if (xato_) return false;
        const bool ok = yozBevosita(bufer_);
        bufer_.clear();
        return ok;
    }
    int xato() const { return xato_; }

private:
    bool yozBevosita(std::string_view s) {
        while (!s.empty()) {
            const ssize_t n = ::write(STDOUT_FILENO, s.data(), s.size());
            if (n < 0) {
                if (errno == EINTR) continue;
                xato_ = errno;
                return false;
            }
            s.remove_prefix(std::size_t(n));
        }
        return true;
    }
    std::string bufer_;
    int xato_ = 0;
};

void xabar(const std::string& nom, int xato) {
    std::fprintf(stderr, "%s: %s: %s\n", dastur, nom.c_str(), std::strerror(xato));
}

// Reads everything from fd; returns 0 or the errno that stopped it.
int hammasiniOqi(int fd, std::string& r) {
    char bufer[1 << 16];
    for (;;) {
        const ssize_t n = ::read(fd, bufer, sizeof bufer);
        if (n == 0) return 0;
        if (n < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        r.append(bufer, std::size_t(n));
    }
}

// Converts line by line: each line (with its line feed) is one text.
// Returns 0 or the errno of a failed read.
int qatorlabOgir(int fd, Chiqish& chiqish) {
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
            if (!chiqish.yoz(harfnur::ogir(qator))) return 0;
            qator.clear();
        }
        qator.append(qism);
    }
    if (!qator.empty()) chiqish.yoz(harfnur::ogir(qator));
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
#ifdef _WIN32
    ::_setmode(STDIN_FILENO, O_BINARY);
    ::_setmode(STDOUT_FILENO, O_BINARY);
    ::_setmode(STDERR_FILENO, O_BINARY);
#else
    std::signal(SIGPIPE, SIG_IGN);  // a closed pipe becomes EPIPE, reported like any write error
#endif
    bool qatorlab = false;
    std::vector<std::string> fayllar;
    bool variantlarTugadi = false;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (variantlarTugadi || a == "-" || a.empty() || a[0] != '-') {
            fayllar.push_back(a);
        } else if (a == "--") {
            variantlarTugadi = true;
        } else if (a == "-l" || a == "--lines") {
            qatorlab = true;
        } else if (a == "-h" || a == "--help") {
            std::fputs(yordam, stdout);
            return 0;
        } else if (a == "-V" || a == "--version") {
            std::printf("%s %s\n", dastur, HARFNUR_VERSION);
            return 0;
        } else {
            std::fprintf(stderr, "%s: unknown option '%s' (try --help)\n", dastur, a.c_str());
            return 2;
        }
    }
    if (fayllar.empty()) fayllar.push_back("-");

    Chiqish chiqish;
    int holat = 0;
    for (const std::string& f : fayllar) {
        const bool stdinmi = f == "-";
        const int fd = stdinmi ? STDIN_FILENO : ::open(f.c_str(), ochishRejimi);
        const std::string nom = stdinmi ? "standard input" : f;
        if (fd < 0) {
            int xato = errno;
#ifdef _WIN32
            // Windows refuses to open a folder as "access denied"; name it as it is.
            std::error_code e;
            if (xato == EACCES && std::filesystem::is_directory(f, e)) xato = EISDIR;
#endif
            xabar(nom, xato);
            holat = 1;
            continue;
        }
        int xato;
        if (qatorlab) {
            xato = qatorlabOgir(fd, chiqish);
        } else {
            std::string matn;
            xato = hammasiniOqi(fd, matn);
            if (xato == 0) chiqish.yoz(harfnur::ogir(matn));
        }
        if (!stdinmi) ::close(fd);
        if (xato != 0) {
            xabar(nom, xato);  // a directory, an I/O error: nothing of it is written
            holat = 1;
        }
        if (chiqish.xato()) break;
    }
    chiqish.yubor();
    if (chiqish.xato()) {
        xabar("standard output", chiqish.xato());
        return 1;
    }
    return holat;
}
