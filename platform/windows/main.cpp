// harfnur.exe: the notification-area program, or the self-test.
#include "platform/windows/win_asosiy.h"

#include <shellapi.h>

#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "app/ilova.h"
#include "app/kirish.h"
#include "pipeline/jurnal.h"
#include "platform/ipli_navbat.h"
#include "platform/windows/win_bufer.h"
#include "platform/windows/win_dpi.h"
#include "platform/windows/win_holat_paneli.h"
#include "platform/windows/win_kuzatuv.h"
#include "platform/windows/win_matnlar.h"
#include "platform/windows/win_oyna.h"
#include "platform/windows/win_tugma_yuborish.h"
#include "platform/windows/win_xizmatlar.h"

namespace {

using namespace harfnur;
using namespace harfnur::windows_;

// A GUI program has no console of its own: print into the one it was started
// from, unless its output already goes to a file or a pipe.
void konsolgaUlan() {
    const HANDLE h = GetStdHandle(STD_OUTPUT_HANDLE);
    if (h && h != INVALID_HANDLE_VALUE && GetFileType(h) != FILE_TYPE_UNKNOWN) return;
    if (!AttachConsole(ATTACH_PARENT_PROCESS)) return;
    SetConsoleOutputCP(CP_UTF8);
    std::freopen("CONOUT$", "w", stdout);
    std::freopen("CONOUT$", "w", stderr);
}

// Started again while running: the running one shows its guide window, as
// on Linux. It may hold the mutex and not have its window yet.
bool oldingisigaAyt() {
    for (int marta = 0; marta < 30; ++marta) {
        bool aytildi = false;
        // Every window of the class: a self-test running beside it has one too.
        for (HWND w = FindWindowExW(nullptr, nullptr, asosiySinf, asosiyNom); w;
             w = FindWindowExW(nullptr, w, asosiySinf, asosiyNom)) {
            DWORD pid = 0;
            GetWindowThreadProcessId(w, &pid);
            AllowSetForegroundWindow(pid);  // ours to give: the user has just started us
            aytildi = PostMessageW(w, oynaniOchXabari(), 0, 0) || aytildi;
        }
        if (aytildi) return true;
        Sleep(100);
    }
    return false;
}

std::vector<std::string> argumentlar() {
    std::vector<std::string> r;
    int n = 0;
    if (wchar_t** a = CommandLineToArgvW(GetCommandLineW(), &n)) {
        for (int i = 0; i < n; ++i) r.push_back(tor(a[i]));
        LocalFree(a);
    }
    return r;
}

}  // namespace

int main() {
    const std::vector<std::string> arglar = argumentlar();
    std::vector<const char*> argv;
    for (const std::string& a : arglar) argv.push_back(a.c_str());
    for (std::size_t i = 1; i < arglar.size(); ++i) {
        if (arglar[i] == "--help" || arglar[i] == "-h" || arglar[i] == "/?") {
            konsolgaUlan();
            std::printf(
                "Usage: harfnur [--sinov-ikki-shift]\n"
                "Runs Harfnur in the notification area: tap Shift twice in any program to convert the\n"
                "focused field from old Latin or Cyrillic Uzbek to the reformed Latin orthography.\n"
                "  --sinov-ikki-shift  self-test: tap Shift twice, then print the focused field\n"
                "                      as \"NATIJA: <text>\" (needs a running Harfnur)\n");
            return 0;
        }
        if (arglar[i] == "--version") {
            konsolgaUlan();
            std::printf("harfnur %s\n", HARFNUR_VERSION);
            return 0;
        }
    }
    const bool sinov = sinovmi(int(argv.size()), argv.data());
    if (sinov) konsolgaUlan();
    dpiniTanla();

    // One Harfnur per user session: the mutex is held for the life of the process.
    if (!sinov) {
        CreateMutexW(nullptr, FALSE, L"Local\\Harfnur");
        if (GetLastError() == ERROR_ALREADY_EXISTS) {
            const bool aytildi = oldingisigaAyt();
            OutputDebugStringW(aytildi ? L"Harfnur: allaqachon ishlayapti, oynasi ochildi (already running)\n"
                                       : L"Harfnur: allaqachon ishlayapti (already running)\n");
            return 0;
        }
    }
    asosiyOyna();

    WinSoat soat;
    WinBufer bufer;
    WinTugmaYuborish tugmalar;
    WinKuzatuv kuzatuv;
    WinSozlamalar sozlamalar;
    WinJurnalJoyi jurnalJoyi;
    IpliNavbat navbat;
    const Platforma* asosi = nullptr;
    auto jurnalga = [&asosi](const std::string& xabar) {
        if (asosi) jurnal(*asosi, xabar);
    };
    OldingiOynaIshonchi ishonch(jurnalga);
    bufer.jurnalQoy(jurnalga);
    kuzatuv.jurnalQoy(jurnalga);
    const Platforma asos{soat, bufer, tugmalar, kuzatuv, ishonch, sozlamalar, jurnalJoyi, navbat};
    asosi = &asos;
    if (sinov) return sinovIkkiShift(asos, std::cout);

    WinIlova ilova;
    WinRuxsat ruxsat;
    WinHolatPaneli panel;
    WinOgohlantirish ogohlantirish;
    WinOynaXizmati oynalar;
    WinAvtoyuklash avtoyuklash(keng(ilova.dasturYoli()));
    WinTizimJurnali tizimJurnali;
    const IlovaPlatformasi p{asos,         ruxsat,           ilova, panel, ogohlantirish, oynalar, avtoyuklash,
                             tizimJurnali, windowsMatnlari(), zipIchidami};
    // Our window is never destroyed, so Windows would not ask for the
    // converted item's data still owed to the clipboard: it goes there on
    // every way out.
    chiqishdaBajar([] { SendMessageW(asosiyOyna(), WM_RENDERALLFORMATS, 0, 0); });
    ishgaTushir(p);
    chiq(0);
}
