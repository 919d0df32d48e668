// A small Windows program for the end-to-end tests under Wine:
//   win_maydon maydon FILE TEXT FROM TO  a window "WinMaydon" with an edit field holding TEXT,
//                                        FROM..TO selected; the field's text goes to FILE on every change
//   win_maydon boy FILE TEXT             a window "WinBoyMaydon", a rich field holding TEXT in bold: Control+C
//                                        copies it as text and "HTML Format", Control+V writes the pasted
//                                        text, a newline and the pasted "HTML Format" to FILE
//   win_maydon boy-matn FILE TEXT        the same, but Control+V takes only the text
//   win_maydon bufer-qoy                 text, "HTML Format" and a DIB on the clipboard
//   win_maydon bufer-ansi                ANSI text put before the Unicode text, whose Cyrillic it lacks
//   win_maydon bufer-emf                 an enhanced metafile and text
//   win_maydon osilgan-ega FILE          text and a delayed format whose owner then hangs (FILE says when)
//   win_maydon bufer-oqi                 every format on the clipboard: name, size, checksum
//                                        (metafiles by their bits)
//   win_maydon matn                      the clipboard's text
//   win_maydon tur NAME                  the bytes of the registered format NAME ("Rich Text Format")
//   win_maydon xabar MSG WPARAM          sends MSG to Harfnur's hidden window
#ifndef UNICODE
#define UNICODE
#endif
#include <windows.h>
#include <shellapi.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

std::string tor(const std::wstring& s) {
    const int n = WideCharToMultiByte(CP_UTF8, 0, s.c_str(), int(s.size()), nullptr, 0, nullptr, nullptr);
    std::string r(std::size_t(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, s.c_str(), int(s.size()), r.data(), n, nullptr, nullptr);
    return r;
}

bool och() {
    for (int i = 0; i < 50; ++i) {
        if (OpenClipboard(nullptr)) return true;
        Sleep(20);
    }
    return false;
}

void qoy(UINT tur, const void* p, std::size_t n) {
    HGLOBAL g = GlobalAlloc(GMEM_MOVEABLE, n);
    std::memcpy(GlobalLock(g), p, n);
    GlobalUnlock(g);
    SetClipboardData(tur, g);
}

std::uint32_t fnv(const unsigned char* p, std::size_t n) {
    std::uint32_t h = 2166136261u;
    for (std::size_t i = 0; i < n; ++i) h = (h ^ p[i]) * 16777619u;
    return h;
}

int buferQoy() {
    if (!och()) return 1;
    EmptyClipboard();
    const std::wstring matn = L"avvalgi matn: o\u2018zbekcha";
    qoy(CF_UNICODETEXT, matn.c_str(), (matn.size() + 1) * sizeof(wchar_t));
    const char html[] =
        "Version:0.9\r\nStartHTML:00000097\r\nEndHTML:00000170\r\nStartFragment:00000131\r\nEndFragment:00000134\r\n"
        "<html><body><!--StartFragment--><b>avvalgi</b><!--EndFragment--></body></html>";
    qoy(RegisterClipboardFormatW(L"HTML Format"), html, sizeof html);
    // A 4 x 4 DIB, one colour per row.
    struct {
        BITMAPINFOHEADER b;
        std::uint32_t piksel[16];
    } dib{};
    dib.b.biSize = sizeof dib.b;
    dib.b.biWidth = 4;
    dib.b.biHeight = 4;
    dib.b.biPlanes = 1;
    dib.b.biBitCount = 32;
    dib.b.biCompression = BI_RGB;
    for (int i = 0; i < 16; ++i) dib.piksel[i] = 0x00E0FF33u + std::uint32_t(i / 4) * 0x10;
    qoy(CF_DIB, &dib, sizeof dib);
    CloseClipboard();
    return 0;
}

int buferAnsi() {
    if (!och()) return 1;
    EmptyClipboard();
    const char ansi[] = "?o?i? ?o'?a";  // what a code page without the letters makes of them
    qoy(CF_TEXT, ansi, sizeof ansi);
    const std::wstring matn = L"\u049B\u045E\u0448\u0438\u049B \u0493\u043E\u044F \u04B3\u0430";  // қўшиқ ғоя ҳа
    qoy(CF_UNICODETEXT, matn.c_str(), (matn.size() + 1) * sizeof(wchar_t));
    CloseClipboard();
    return 0;
}

int buferEmf() {
    HDC dc = CreateEnhMetaFileW(nullptr, nullptr, nullptr, nullptr);
    Rectangle(dc, 10, 10, 200, 120);
    TextOutW(dc, 20, 40, L"EMF", 3);
    HENHMETAFILE emf = CloseEnhMetaFile(dc);
    if (!och()) return 1;
    EmptyClipboard();
    SetClipboardData(CF_ENHMETAFILE, emf);
    const std::wstring matn = L"rasm";
    qoy(CF_UNICODETEXT, matn.c_str(), (matn.size() + 1) * sizeof(wchar_t));
    CloseClipboard();
    return 0;
}

// Owns the clipboard with a format it renders only when asked, then stops
// answering any message.
int osilganEga(const wchar_t* yol) {
    WNDCLASSW c{};
    c.lpfnWndProc = DefWindowProcW;
    c.hInstance = GetModuleHandleW(nullptr);
    c.lpszClassName = L"WinOsilganEga";
    RegisterClassW(&c);
    HWND o = CreateWindowW(L"WinOsilganEga", L"WinOsilganEga", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr,
                           c.hInstance, nullptr);
    if (!OpenClipboard(o)) return 1;
    EmptyClipboard();
    const std::wstring matn = L"osilgan ega";
    qoy(CF_UNICODETEXT, matn.c_str(), (matn.size() + 1) * sizeof(wchar_t));
    SetClipboardData(RegisterClipboardFormatW(L"HarfnurSinovKechikkan"), nullptr);
    CloseClipboard();
    if (FILE* f = _wfopen(yol, L"wb")) std::fclose(f);
    Sleep(INFINITE);
    return 0;
}

int xabar(UINT x, WPARAM w) {
    HWND h = FindWindowW(L"HarfnurAsosiy", L"Harfnur");
    if (!h) return 1;
    DWORD_PTR r = 0;
    if (!SendMessageTimeoutW(h, x, w, 0, SMTO_ABORTIFHUNG, 5000, &r)) return 1;
    std::printf("%llu\n", static_cast<unsigned long long>(r));
    return 0;
}

int buferOqi() {
    if (!och()) return 1;
    for (UINT t = EnumClipboardFormats(0); t; t = EnumClipboardFormats(t)) {
        wchar_t nom[256] = {};
        if (t < 0xC000 || GetClipboardFormatNameW(t, nom, 256) <= 0) swprintf(nom, 256, L"#%u", t);
        HANDLE h = GetClipboardData(t);
        std::string bitlar;
        if (h && t == CF_ENHMETAFILE) {
            bitlar.resize(GetEnhMetaFileBits(static_cast<HENHMETAFILE>(h), 0, nullptr));
            GetEnhMetaFileBits(static_cast<HENHMETAFILE>(h), UINT(bitlar.size()), reinterpret_cast<BYTE*>(bitlar.data()));
            std::printf("%s %zu %08x\n", tor(nom).c_str(), bitlar.size(),
                        fnv(reinterpret_cast<const unsigned char*>(bitlar.data()), bitlar.size()));
            continue;
        }
        if (h && t == CF_METAFILEPICT) {
            const auto* m = static_cast<const METAFILEPICT*>(GlobalLock(h));
            bitlar.resize(m ? GetMetaFileBitsEx(m->hMF, 0, nullptr) : 0);
            if (m) GetMetaFileBitsEx(m->hMF, UINT(bitlar.size()), bitlar.data());
            if (m) GlobalUnlock(h);
            std::printf("%s %zu %08x\n", tor(nom).c_str(), bitlar.size(),
                        fnv(reinterpret_cast<const unsigned char*>(bitlar.data()), bitlar.size()));
            continue;
        }
        const auto* p = h ? static_cast<const unsigned char*>(GlobalLock(h)) : nullptr;
        const std::size_t n = p ? GlobalSize(h) : 0;
        std::printf("%s %zu %08x\n", tor(nom).c_str(), n, p ? fnv(p, n) : 0u);
        if (p) GlobalUnlock(h);
    }
    CloseClipboard();
    return 0;
}

int matn() {
    if (!och()) return 1;
    if (HANDLE h = GetClipboardData(CF_UNICODETEXT)) {
        std::printf("%s", tor(static_cast<const wchar_t*>(GlobalLock(h))).c_str());
        GlobalUnlock(h);
    }
    CloseClipboard();
    return 0;
}

int tur(const char* nom) {
    const UINT id = RegisterClipboardFormatA(nom);
    if (!och()) return 1;
    if (HANDLE h = GetClipboardData(id)) {
        const auto* p = static_cast<const char*>(GlobalLock(h));
        std::fwrite(p, 1, std::strlen(p), stdout);  // RTF and HTML end with NUL
        GlobalUnlock(h);
    }
    CloseClipboard();
    return 0;
}

std::wstring fayl;
HWND maydon;

void faylgaYoz(const std::string& u) {
    const std::wstring vaqtincha = fayl + L".tmp";
    if (FILE* f = _wfopen(vaqtincha.c_str(), L"wb")) {
        std::fwrite(u.data(), 1, u.size(), f);
        std::fclose(f);
        MoveFileExW(vaqtincha.c_str(), fayl.c_str(), MOVEFILE_REPLACE_EXISTING);
    }
}

void saqla() {
    const int n = GetWindowTextLengthW(maydon);
    std::wstring s(std::size_t(n) + 1, L'\0');
    GetWindowTextW(maydon, s.data(), n + 1);
    s.resize(std::size_t(n));
    faylgaYoz(tor(s));
}

LRESULT CALLBACK jarayon(HWND h, UINT x, WPARAM w, LPARAM l) {
    if (x == WM_COMMAND && HIWORD(w) == EN_CHANGE) saqla();
    if (x == WM_SETFOCUS) SetFocus(maydon);
    if (x == WM_DESTROY) PostQuitMessage(0);
    return DefWindowProcW(h, x, w, l);
}

int maydonOch(const wchar_t* yol, const wchar_t* matn, int bosh, int oxir) {
    fayl = yol;
    WNDCLASSW c{};
    c.lpfnWndProc = jarayon;
    c.hInstance = GetModuleHandleW(nullptr);
    c.lpszClassName = L"WinMaydon";
    c.hbrBackground = GetSysColorBrush(COLOR_WINDOW);
    RegisterClassW(&c);
    HWND o = CreateWindowW(L"WinMaydon", L"WinMaydon", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 480, 120, nullptr,
                           nullptr, c.hInstance, nullptr);
    maydon = CreateWindowW(L"EDIT", matn, WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, 10, 20, 440, 28, o, nullptr,
                           c.hInstance, nullptr);
    saqla();
    SetFocus(maydon);
    SendMessageW(maydon, EM_SETSEL, WPARAM(bosh), LPARAM(oxir));
    MSG m;
    while (GetMessageW(&m, nullptr, 0, 0) > 0) {
        TranslateMessage(&m);
        DispatchMessageW(&m);
    }
    return 0;
}

// Windows' "HTML Format": the fragment in a page, behind a header of byte offsets.
std::string cfHtml(const std::string& parcha) {
    const std::string boshi = "<html><body><!--StartFragment-->", oxiri = "<!--EndFragment--></body></html>";
    auto sakkiz = [](std::size_t n) {
        const std::string r = std::to_string(n);
        return std::string(8 - r.size(), '0') + r;
    };
    auto sarlavha = [&](std::size_t h) {
        return "Version:0.9\r\nStartHTML:" + sakkiz(h) + "\r\nEndHTML:" +
               sakkiz(h + boshi.size() + parcha.size() + oxiri.size()) + "\r\nStartFragment:" +
               sakkiz(h + boshi.size()) + "\r\nEndFragment:" + sakkiz(h + boshi.size() + parcha.size()) + "\r\n";
    };
    return sarlavha(sarlavha(0).size()) + boshi + parcha + oxiri;
}

std::wstring boyMatn;
bool faqatMatn = false;

void boyNusxala(HWND o) {
    if (!OpenClipboard(o)) return;
    EmptyClipboard();
    qoy(CF_UNICODETEXT, boyMatn.c_str(), (boyMatn.size() + 1) * sizeof(wchar_t));
    const std::string html = cfHtml("<b>" + tor(boyMatn) + "</b>");
    qoy(RegisterClipboardFormatW(L"HTML Format"), html.c_str(), html.size() + 1);
    CloseClipboard();
}

void boyQoy() {
    if (!och()) return;
    std::string matn, html;
    if (HANDLE h = GetClipboardData(CF_UNICODETEXT)) {
        matn = tor(static_cast<const wchar_t*>(GlobalLock(h)));
        GlobalUnlock(h);
    }
    if (HANDLE h = faqatMatn ? nullptr : GetClipboardData(RegisterClipboardFormatW(L"HTML Format"))) {
        const char* p = static_cast<const char*>(GlobalLock(h));
        html.assign(p, strnlen(p, GlobalSize(h)));
        GlobalUnlock(h);
    }
    CloseClipboard();
    faylgaYoz(matn + "\n" + html);
}

LRESULT CALLBACK boyJarayon(HWND h, UINT x, WPARAM w, LPARAM l) {
    if (x == WM_KEYDOWN && GetKeyState(VK_CONTROL) < 0) {
        if (w == 'C') boyNusxala(h);
        if (w == 'V') boyQoy();
        return 0;
    }
    if (x == WM_DESTROY) PostQuitMessage(0);
    return DefWindowProcW(h, x, w, l);
}

int boyOch(const wchar_t* yol, const wchar_t* matn) {
    fayl = yol;
    boyMatn = matn;
    WNDCLASSW c{};
    c.lpfnWndProc = boyJarayon;
    c.hInstance = GetModuleHandleW(nullptr);
    c.lpszClassName = L"WinBoyMaydon";
    c.hbrBackground = GetSysColorBrush(COLOR_WINDOW);
    RegisterClassW(&c);
    HWND o = CreateWindowW(L"WinBoyMaydon", L"WinBoyMaydon", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 480, 120,
                           nullptr, nullptr, c.hInstance, nullptr);
    SetFocus(o);
    faylgaYoz(tor(boyMatn));
    MSG m;
    while (GetMessageW(&m, nullptr, 0, 0) > 0) {
        TranslateMessage(&m);
        DispatchMessageW(&m);
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string buyruq = argc > 1 ? argv[1] : "";
    if (buyruq == "bufer-qoy") return buferQoy();
    if (buyruq == "bufer-ansi") return buferAnsi();
    if (buyruq == "bufer-emf") return buferEmf();
    if (buyruq == "bufer-oqi") return buferOqi();
    if (buyruq == "matn") return matn();
    if (buyruq == "tur" && argc == 3) return tur(argv[2]);
    if (buyruq == "xabar" && argc == 4) return xabar(UINT(std::strtoul(argv[2], nullptr, 0)), WPARAM(std::strtoul(argv[3], nullptr, 0)));
    if (buyruq == "osilgan-ega" && argc == 3) {
        int n = 0;
        wchar_t** w = CommandLineToArgvW(GetCommandLineW(), &n);
        return osilganEga(w[2]);
    }
    if (buyruq == "maydon" && argc == 6) {
        int n = 0;  // the text may be any script: the wide command line
        wchar_t** w = CommandLineToArgvW(GetCommandLineW(), &n);
        return maydonOch(w[2], w[3], std::atoi(argv[4]), std::atoi(argv[5]));
    }
    if ((buyruq == "boy" || buyruq == "boy-matn") && argc == 4) {
        faqatMatn = buyruq == "boy-matn";
        int n = 0;
        wchar_t** w = CommandLineToArgvW(GetCommandLineW(), &n);
        return boyOch(w[2], w[3]);
    }
    std::fprintf(stderr,
                 "usage: win_maydon maydon FILE TEXT FROM TO | boy[-matn] FILE TEXT | bufer-qoy | bufer-ansi | bufer-emf |\n"
                 "       osilgan-ega FILE | bufer-oqi | matn | tur NAME | xabar MSG WPARAM\n");
    return 2;
}
