#include "platform/windows/win_tugma_yuborish.h"

#include <vector>

#include "platform/hodisa.h"
#include "platform/windows/tugma_ketma_ketligi.h"
#include "platform/windows/win_asosiy.h"
#include "platform/windows/win_kuzatuv.h"

namespace harfnur::windows_ {
namespace {

INPUT kiritish(std::uint16_t v, bool pastga, std::uintptr_t belgi) {
    INPUT i{};
    i.type = INPUT_KEYBOARD;
    i.ki.wVk = v;
    i.ki.wScan = WORD(MapVirtualKeyW(v, MAPVK_VK_TO_VSC));
    i.ki.dwFlags = pastga ? 0 : KEYEVENTF_KEYUP;
    if (kengaytirilganmi(v)) i.ki.dwFlags |= KEYEVENTF_EXTENDEDKEY;
    i.ki.dwExtraInfo = belgi;
    return i;
}

bool oldingiTerminalmi() {
    const HWND w = GetForegroundWindow();
    wchar_t sinf[256] = {};
    return w && GetClassNameW(w, sinf, 256) > 0 && terminalSinfimi(tor(sinf));
}

}  // namespace

void WinTugmaYuborish::bos(std::uint16_t kod, std::uint64_t bayroqlar) {
    std::vector<std::uint16_t> ushlangan;
    for (std::uint16_t v : kuzatiladiganModifikatorlar)
        if (GetAsyncKeyState(v) & 0x8000) ushlangan.push_back(v);
    std::vector<INPUT> kiritishlar;
    for (const KiritishTugmasi& k : bosishKetmaKetligi(kod, bayroqlar, oldingiTerminalmi(), ushlangan))
        kiritishlar.push_back(kiritish(k.vk, k.pastga, bizningBelgi));
    if (!kiritishlar.empty()) SendInput(UINT(kiritishlar.size()), kiritishlar.data(), sizeof(INPUT));
}

void WinTugmaYuborish::modifikator(std::uint16_t kod, bool pastga, std::uint64_t) {
    if (kod != hodisa::chapShift && kod != hodisa::ongShift) return;
    INPUT i = kiritish(kod == hodisa::ongShift ? VK_RSHIFT : VK_LSHIFT, pastga, 0);
    SendInput(1, &i, sizeof(INPUT));
}

std::uint64_t WinTugmaYuborish::ushlanganBayroqlar() {
    std::uint64_t r = 0;
    if (GetAsyncKeyState(VK_SHIFT) & 0x8000) r |= hodisa::shiftBayrogi;
    if (GetAsyncKeyState(VK_CONTROL) & 0x8000) r |= hodisa::buyruqBayrogi;
    return r;
}

}  // namespace harfnur::windows_
