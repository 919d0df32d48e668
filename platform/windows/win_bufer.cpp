#include "platform/windows/win_bufer.h"

#include <cstring>

#include "platform/windows/bufer_turlari.h"
#include "platform/windows/win_asosiy.h"

namespace harfnur::windows_ {
namespace {

// Another program may hold the clipboard for a moment: ask again briefly.
class Ochiq {
public:
    Ochiq() {
        for (int marta = 0; marta < 25 && !(ochiq_ = OpenClipboard(asosiyOyna())); ++marta) Sleep(10);
    }
    ~Ochiq() {
        if (ochiq_) CloseClipboard();
    }
    explicit operator bool() const { return ochiq_; }

private:
    bool ochiq_ = false;
};

bool baytlarniQoy(UINT tur, const void* baytlar, std::size_t uzunlik) {
    HGLOBAL g = GlobalAlloc(GMEM_MOVEABLE, uzunlik ? uzunlik : 1);
    if (!g) return false;
    if (void* p = GlobalLock(g)) {
        if (uzunlik) std::memcpy(p, baytlar, uzunlik);
        GlobalUnlock(g);
    }
    if (SetClipboardData(tur, g)) return true;
    GlobalFree(g);
    return false;
}

UINT ruyxatdagi(const char* nom) { return RegisterClipboardFormatW(keng(nom).c_str()); }

void belgila(bool monitorlargaHam) {
    const DWORD nol = 0;
    if (monitorlargaHam) baytlarniQoy(ruyxatdagi(tarixdanTashqari), &nol, sizeof nol);
    baytlarniQoy(ruyxatdagi(tarixgaKirsinmi), &nol, sizeof nol);
    baytlarniQoy(ruyxatdagi(bulutgaKetsinmi), &nol, sizeof nol);
}

}  // namespace

WinBufer::WinBufer() {
    // The clipboard is held open by the program that asks: not opened here.
    xabarniTingla(WM_RENDERFORMAT, [this](WPARAM w, LPARAM, LRESULT& r) {
        r = 0;
        const UINT id = UINT(w);
        const std::string* baytlar = kechiktirilgan_.baytlari(id);
        if (!baytlar) return true;
        const DWORD oldin = GetClipboardSequenceNumber();
        if (baytlarniQoy(id, baytlar->data(), baytlar->size())) {
            // Our own reading opens the clipboard with our window.
            kechiktirilgan_.berildi(id, GetOpenClipboardWindow() != asosiyOyna(),
                                    std::int64_t(DWORD(GetClipboardSequenceNumber() - oldin)));
        }
        return true;
    });
    // Before our window goes: what nobody asked for yet stays there after us,
    // unless another program has taken the clipboard meanwhile.
    xabarniTingla(WM_RENDERALLFORMATS, [this](WPARAM, LPARAM, LRESULT& r) {
        r = 0;
        Ochiq o;
        if (!o || GetClipboardOwner() != asosiyOyna()) return true;
        for (const auto& [id, baytlar] : kechiktirilgan_.qolganlari()) baytlarniQoy(id, baytlar.data(), baytlar.size());
        return true;
    });
    xabarniTingla(WM_DESTROYCLIPBOARD, [this](WPARAM, LPARAM, LRESULT& r) {
        r = 0;
        kechiktirilgan_.tashla();
        return true;
    });
}

std::int64_t WinBufer::ozgarishSoni() { return kechiktirilgan_.ozgarishSoni(GetClipboardSequenceNumber()); }

std::optional<std::string> WinBufer::matn() {
    std::optional<std::string> r;
    asosiyIpda([&] {
        Ochiq o;
        if (!o) return;
        HANDLE h = GetClipboardData(CF_UNICODETEXT);
        if (!h) return;
        const auto* p = static_cast<const wchar_t*>(GlobalLock(h));
        if (!p) return;
        const std::size_t sigim = GlobalSize(h) / sizeof(wchar_t);
        r = tor(std::wstring_view(p, wcsnlen(p, sigim)));
        GlobalUnlock(h);
    });
    return r;
}

void WinBufer::tozala() {
    asosiyIpda([] {
        Ochiq o;
        if (o) EmptyClipboard();
    });
}

void WinBufer::matnYoz(const std::string& matn) {
    asosiyIpda([&] {
        Ochiq o;
        if (!o) return;
        EmptyClipboard();
        const std::wstring k = keng(matn);
        baytlarniQoy(CF_UNICODETEXT, k.c_str(), (k.size() + 1) * sizeof(wchar_t));
        belgila(true);
    });
}

port::BuferNusxasi WinBufer::olish(const port::TurTanlovi& kerakmi) {
    port::BuferNusxasi n;
    asosiyIpda([&] {
        Ochiq o;
        if (!o) return;
        std::vector<BuferTuri> turlar;
        for (UINT t = EnumClipboardFormats(0); t; t = EnumClipboardFormats(t)) {
            wchar_t nom[256] = {};
            const int uzunlik = t >= 0xC000 ? GetClipboardFormatNameW(t, nom, 256) : 0;
            turlar.push_back({t, uzunlik > 0 ? tor(std::wstring_view(nom, std::size_t(uzunlik))) : std::string()});
            n.taklif.push_back(turYozuvi(turlar.back()));
        }
        for (const BuferTuri& t : saqlanadiganTurlar(turlar)) {
            const std::string yozuv = turYozuvi(t);
            if (kerakmi && !kerakmi(yozuv)) continue;
            HANDLE h = GetClipboardData(t.id);
            if (!h) continue;  // its source could not render it
            const void* p = GlobalLock(h);
            if (!p) continue;
            n.turlar.emplace_back(yozuv, std::string(static_cast<const char*>(p), GlobalSize(h)));
            GlobalUnlock(h);
        }
    });
    return n;
}

void WinBufer::qaytar(const port::BuferNusxasi& nusxa) {
    asosiyIpda([&] {
        Ochiq o;
        if (!o) return;
        EmptyClipboard();
        bool tarixBelgisiBor = false;
        for (const auto& [yozuv, baytlar] : nusxa.turlar) {
            const std::optional<BuferTuri> t = turOqi(yozuv);
            if (!t) continue;
            tarixBelgisiBor = tarixBelgisiBor || t->nom == tarixgaKirsinmi;
            const UINT id = t->id ? t->id : RegisterClipboardFormatW(keng(t->nom).c_str());
            if (id) baytlarniQoy(id, baytlar.data(), baytlar.size());
        }
        if (!tarixBelgisiBor) belgila(false);
    });
}

void WinBufer::yoz(const std::string& matn, const port::BuferNusxasi& boylar) {
    asosiyIpda([&] {
        Ochiq o;
        if (!o) return;
        EmptyClipboard();
        KechiktirilganMazmun::Turlar turlar;
        for (const auto& [yozuv, baytlar] : boylar.turlar) {
            const std::optional<BuferTuri> t = turOqi(yozuv);
            const UINT id = !t ? 0 : t->id ? t->id : ruyxatdagi(t->nom.c_str());
            if (id) turlar.emplace_back(id, baytlar);
        }
        const std::wstring k = keng(matn);
        turlar.emplace_back(CF_UNICODETEXT,
                            std::string(reinterpret_cast<const char*>(k.c_str()), (k.size() + 1) * sizeof(wchar_t)));
        for (const auto& [id, _] : turlar) SetClipboardData(id, nullptr);
        kechiktirilgan_.qoy(std::move(turlar));
        belgila(true);
    });
}

std::int64_t WinBufer::oqilishSoni() { return kechiktirilgan_.oqilishSoni(); }

}  // namespace harfnur::windows_
