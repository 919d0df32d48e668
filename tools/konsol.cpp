#include "tools/konsol.h"

#include <algorithm>

#ifdef _WIN32
#include <io.h>
#include <windows.h>

#include "tools/fayl_tizimi.h"
#endif

namespace harfnur::ogiruvchi {

std::size_t butunQismi(std::string_view s) {
    // Back over at most three continuation bytes to the byte that starts them.
    std::size_t i = s.size(), davomi = 0;
    while (i > 0 && davomi < 3 && (static_cast<unsigned char>(s[i - 1]) & 0xC0) == 0x80) {
        --i;
        ++davomi;
    }
    if (i == 0) return s.size();
    const auto b = static_cast<unsigned char>(s[i - 1]);
    const std::size_t kerak = b >= 0xF0 && b <= 0xF4 ? 3 : b >= 0xE0 && b <= 0xEF ? 2 : b >= 0xC2 && b <= 0xDF ? 1 : 0;
    // A lead byte still short of its continuation bytes waits; anything else is whole.
    return kerak > davomi ? i - 1 : s.size();
}

#ifdef _WIN32

bool konsolmi(int fd) {
    DWORD rejim;
    const HANDLE h = HANDLE(::_get_osfhandle(fd));
    return h != INVALID_HANDLE_VALUE && ::GetConsoleMode(h, &rejim);
}

bool konsolgaYoz(int fd, std::string_view s, std::string& qoldiq) {
    std::string hammasi = qoldiq;
    hammasi.append(s);
    const std::size_t n = butunQismi(hammasi);
    qoldiq = hammasi.substr(n);
    const std::wstring k = kengga(hammasi.substr(0, n));
    const HANDLE h = HANDLE(::_get_osfhandle(fd));
    // In pieces: older consoles refuse one write much over 64 KB.
    for (std::size_t i = 0; i < k.size();) {
        const DWORD bolak = DWORD(std::min<std::size_t>(k.size() - i, 8192));
        DWORD yozildi = 0;
        if (!::WriteConsoleW(h, k.data() + i, bolak, &yozildi, nullptr) || yozildi == 0) return false;
        i += yozildi;
    }
    return true;
}

void matnChiqar(std::FILE* f, const std::string& matn) {
    std::fflush(f);
    const int fd = ::_fileno(f);
    std::string qoldiq;
    if (konsolmi(fd) && konsolgaYoz(fd, matn, qoldiq)) return;
    std::fwrite(matn.data(), 1, matn.size(), f);
    std::fflush(f);
}

#else

bool konsolmi(int) { return false; }
bool konsolgaYoz(int, std::string_view, std::string&) { return false; }
void matnChiqar(std::FILE* f, const std::string& matn) { std::fwrite(matn.data(), 1, matn.size(), f); }

#endif

}  // namespace harfnur::ogiruvchi
