#include "platform/windows/win_bufer.h"

#include <condition_variable>
#include <cstring>
#include <memory>
#include <mutex>
#include <thread>

#include "platform/windows/bufer_turlari.h"
#include "platform/windows/win_asosiy.h"
#include "platform/windows/win_xizmatlar.h"

namespace harfnur::windows_ {
namespace {

using Soat = std::chrono::steady_clock;

// Another program may hold the clipboard for a moment: ask again until
// `oxir`. On the main thread the messages sent to us meanwhile are answered,
// as the program holding it may be waiting for our rendering.
bool ochilsin(Soat::time_point oxir) {
    for (;;) {
        if (OpenClipboard(asosiyOyna())) return true;
        if (Soat::now() >= oxir) return false;
        if (asosiyIpdami()) {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_SENDMESSAGE);
            MSG m;
            PeekMessageW(&m, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
        } else {
            Sleep(10);
        }
    }
}

class Ochiq {
public:
    explicit Ochiq(Soat::duration muddat = WinBufer::ochishMuddati) : ochiq_(ochilsin(Soat::now() + muddat)) {}
    ~Ochiq() {
        if (ochiq_) CloseClipboard();
    }
    explicit operator bool() const { return ochiq_; }

private:
    bool ochiq_ = false;
};

// The bytes of a format's data, as the snapshot keeps them.
std::optional<std::string> baytlariniOl(UINT id, HANDLE h) {
    switch (turShakli(id)) {
        case TurShakli::xotira: {
            const void* p = GlobalLock(h);
            if (!p) return std::nullopt;
            std::string r(static_cast<const char*>(p), GlobalSize(h));
            GlobalUnlock(h);
            return r;
        }
        case TurShakli::emf: {
            const auto e = static_cast<HENHMETAFILE>(h);
            const UINT n = GetEnhMetaFileBits(e, 0, nullptr);
            std::string r(n, '\0');
            if (!n || GetEnhMetaFileBits(e, n, reinterpret_cast<BYTE*>(r.data())) != n) return std::nullopt;
            return r;
        }
        case TurShakli::wmf: {
            const auto* p = static_cast<const METAFILEPICT*>(GlobalLock(h));
            if (!p) return std::nullopt;
            MetafaylRasmi m{int(p->mm), int(p->xExt), int(p->yExt), {}};
            const HMETAFILE mf = p->hMF;
            GlobalUnlock(h);
            const UINT n = GetMetaFileBitsEx(mf, 0, nullptr);
            m.bitlar.assign(n, '\0');
            if (!n || GetMetaFileBitsEx(mf, n, m.bitlar.data()) != n) return std::nullopt;
            return metafaylRasminiYoz(m);
        }
        case TurShakli::olinmaydi:
            break;
    }
    return std::nullopt;
}

HGLOBAL xotiraga(const void* baytlar, std::size_t uzunlik) {
    HGLOBAL g = GlobalAlloc(GMEM_MOVEABLE, uzunlik ? uzunlik : 1);
    if (!g) return nullptr;
    if (void* p = GlobalLock(g)) {
        if (uzunlik) std::memcpy(p, baytlar, uzunlik);
        GlobalUnlock(g);
    }
    return g;
}

// Puts a format's bytes on the open clipboard in the shape Windows expects;
// the clipboard owns what it took.
bool baytlarniQoy(UINT tur, const std::string& b) {
    switch (turShakli(tur)) {
        case TurShakli::xotira: {
            HGLOBAL g = xotiraga(b.data(), b.size());
            if (g && SetClipboardData(tur, g)) return true;
            if (g) GlobalFree(g);
            return false;
        }
        case TurShakli::emf: {
            HENHMETAFILE e = SetEnhMetaFileBits(UINT(b.size()), reinterpret_cast<const BYTE*>(b.data()));
            if (e && SetClipboardData(tur, e)) return true;
            if (e) DeleteEnhMetaFile(e);
            return false;
        }
        case TurShakli::wmf: {
            const std::optional<MetafaylRasmi> m = metafaylRasminiOqi(b);
            if (!m) return false;
            HMETAFILE mf = SetMetaFileBitsEx(UINT(m->bitlar.size()), reinterpret_cast<const BYTE*>(m->bitlar.data()));
            if (!mf) return false;
            const METAFILEPICT p{LONG(m->mm), LONG(m->x), LONG(m->y), mf};
            HGLOBAL g = xotiraga(&p, sizeof p);
            if (g && SetClipboardData(tur, g)) return true;
            if (g) GlobalFree(g);
            DeleteMetaFile(mf);
            return false;
        }
        case TurShakli::olinmaydi:
            break;
    }
    return false;
}

bool baytlarniQoy(UINT tur, const void* p, std::size_t n) {
    return baytlarniQoy(tur, std::string(static_cast<const char*>(p), n));
}

UINT ruyxatdagi(const char* nom) { return RegisterClipboardFormatW(keng(nom).c_str()); }

// Our own items stay out of history, the cloud and clipboard managers, and
// (`monitorlargaHam`) out of monitors such as a remote session's, which must
// see an earlier content come back. Markers the content carries stay as they are.
void belgila(bool monitorlargaHam, const std::vector<std::string>& bori = {}) {
    const DWORD nol = 0;
    auto qoy = [&](const char* nom) {
        for (const std::string& b : bori)
            if (b == nom) return;
        baytlarniQoy(ruyxatdagi(nom), &nol, sizeof nol);
    };
    if (monitorlargaHam) qoy(tarixdanTashqari);
    qoy(tarixgaKirsinmi);
    qoy(bulutgaKetsinmi);
    qoy(korsatkichlarUchunEmas);
}

// One reading, shared by the reader's thread and the caller, which may stop
// waiting for it: the reader then leaves what is left unread.
struct Oqish {
    std::mutex m;
    std::condition_variable cv;
    port::BuferNusxasi nusxa;
    std::size_t rejada = 0;  // formats to be read
    bool royxatBor = false;  // the list of formats came
    bool tugadi = false;
    bool tashlandi = false;
};

std::int64_t msda(Soat::time_point t) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(t.time_since_epoch()).count();
}

void oqi(const std::shared_ptr<Oqish>& o, const port::TurTanlovi& kerakmi, Soat::time_point oxir) {
    auto tugat = [&] {
        {
            std::lock_guard<std::mutex> q(o->m);
            o->tugadi = true;
        }
        o->cv.notify_all();
    };
    if (!ochilsin(oxir)) return tugat();
    std::vector<BuferTuri> turlar;
    std::vector<std::string> taklif;
    for (UINT t = EnumClipboardFormats(0); t; t = EnumClipboardFormats(t)) {
        wchar_t nom[256] = {};
        const int uzunlik = t >= 0xC000 ? GetClipboardFormatNameW(t, nom, 256) : 0;
        turlar.push_back({t, uzunlik > 0 ? tor(std::wstring_view(nom, std::size_t(uzunlik))) : std::string()});
        taklif.push_back(turYozuvi(turlar.back()));
    }
    std::vector<BuferTuri> reja;
    for (const BuferTuri& t : saqlanadiganTurlar(turlar))
        if (!kerakmi || kerakmi(turYozuvi(t))) reja.push_back(t);
    {
        std::lock_guard<std::mutex> q(o->m);
        o->nusxa.taklif = std::move(taklif);
        o->rejada = reja.size();
        o->royxatBor = true;
    }
    // The owner renders what it put there lazily when asked; one that does
    // not even answer a ping would hold us here. Our own window answers on
    // the main thread, which never waits for this reading.
    const HWND ega = GetClipboardOwner();
    DWORD egaJarayoni = 0;
    if (ega) GetWindowThreadProcessId(ega, &egaJarayoni);
    const bool begona = ega && egaJarayoni != GetCurrentProcessId();
    NusxaMuddati muddat(msda(oxir));
    for (const BuferTuri& t : reja) {
        {
            std::lock_guard<std::mutex> q(o->m);
            if (o->tashlandi) break;
        }
        const std::int64_t qoldi = muddat.sorash(msda(Soat::now()));
        if (!qoldi) break;
        DWORD_PTR javob = 0;
        if (begona && !SendMessageTimeoutW(ega, WM_NULL, 0, 0, SMTO_ABORTIFHUNG | SMTO_BLOCK, UINT(qoldi), &javob)) {
            muddat.javobBermadi();
            break;
        }
        const HANDLE h = GetClipboardData(t.id);
        std::optional<std::string> b = h ? baytlariniOl(t.id, h) : std::nullopt;
        if (!b) continue;  // its owner could not render it
        std::lock_guard<std::mutex> q(o->m);
        if (!o->tashlandi) o->nusxa.turlar.emplace_back(turYozuvi(t), std::move(*b));
    }
    CloseClipboard();
    tugat();
}

// What the clipboard holds within `muddat`; what was not read is counted.
port::BuferNusxasi muddatdaOqi(const port::TurTanlovi& kerakmi, Soat::duration muddat) {
    auto o = std::make_shared<Oqish>();
    const Soat::time_point oxir = Soat::now() + muddat;
    if (asosiyIpdami()) {
        oqi(o, kerakmi, oxir);  // our own renderings are answered in place
    } else {
        std::thread([o, kerakmi, oxir] { oqi(o, kerakmi, oxir); }).detach();
        std::unique_lock<std::mutex> q(o->m);
        // A little past the reader's own deadline, for the ping it may be in.
        o->cv.wait_until(q, oxir + std::chrono::milliseconds(50), [&] { return o->tugadi; });
        o->tashlandi = true;
    }
    std::lock_guard<std::mutex> q(o->m);
    port::BuferNusxasi r = o->nusxa;
    if (!o->royxatBor) {
        r.oqilmadi = CountClipboardFormats() > 0 ? 1 : 0;  // not even the list of formats came
    } else {
        r.oqilmadi = int(o->rejada - r.turlar.size());
    }
    return r;
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
        if (baytlarniQoy(id, *baytlar)) {
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
        for (const auto& [id, baytlar] : kechiktirilgan_.qolganlari()) baytlarniQoy(id, baytlar);
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
    const port::BuferNusxasi n =
        muddatdaOqi([](std::string_view t) { return t == turYozuvi({CF_UNICODETEXT, ""}); }, matnMuddati);
    for (const auto& [tur, baytlar] : n.turlar) {
        const std::size_t sigim = baytlar.size() / sizeof(wchar_t);
        std::wstring k(sigim, L'\0');
        std::memcpy(k.data(), baytlar.data(), sigim * sizeof(wchar_t));
        return tor(std::wstring_view(k.c_str(), wcsnlen(k.c_str(), sigim)));
    }
    return std::nullopt;
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
        if (!o) return jurnal("bufer ochilmadi: " + xatoMatni(GetLastError()));
        EmptyClipboard();
        const std::wstring k = keng(matn);
        baytlarniQoy(CF_UNICODETEXT, k.c_str(), (k.size() + 1) * sizeof(wchar_t));
        belgila(true);
    });
}

port::BuferNusxasi WinBufer::olish(const port::TurTanlovi& kerakmi) { return muddatdaOqi(kerakmi, olishMuddati); }

void WinBufer::qaytar(const port::BuferNusxasi& nusxa) {
    asosiyIpda([&] {
        Ochiq o;
        if (!o) return jurnal("bufer qaytarilmadi: " + xatoMatni(GetLastError()));
        EmptyClipboard();
        std::vector<std::string> nomlar;
        int qoyilmadi = 0;
        for (const auto& [yozuv, baytlar] : nusxa.turlar) {
            const std::optional<BuferTuri> t = turOqi(yozuv);
            if (!t) continue;
            nomlar.push_back(t->nom);
            const UINT id = t->id ? t->id : ruyxatdagi(t->nom.c_str());
            if (!id || !baytlarniQoy(id, baytlar)) ++qoyilmadi;
        }
        belgila(false, nomlar);
        if (qoyilmadi) jurnal("bufer qaytarildi, " + std::to_string(qoyilmadi) + " tur qaytmadi");
    });
}

void WinBufer::yoz(const std::string& matn, const port::BuferNusxasi& boylar) {
    asosiyIpda([&] {
        Ochiq o;
        if (!o) return jurnal("bufer ochilmadi: " + xatoMatni(GetLastError()));
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
