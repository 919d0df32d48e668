// The Windows backend's decisions: what a hooked key means, which keys a
// synthetic press becomes, what a clipboard snapshot keeps and how long it
// may take, what the converted item gives when it is asked for, and when the
// hook and the tray icon are set up again.
#include <gtest/gtest.h>

#include "platform/windows/bufer_turlari.h"
#include "platform/windows/kechiktirilgan_mazmun.h"
#include "platform/windows/nazoratchilar.h"
#include "platform/windows/tugma_ketma_ketligi.h"
#include "platform/windows/tugma_xaritasi.h"
#include "platform/windows/vk.h"

namespace harfnur::windows_ {
namespace {

using Hodisalar = std::vector<TugmaHodisasi>;

HookTugmasi bos(std::uint32_t v, bool pastga, double vaqt = 0, std::uint32_t skan = 0, bool keng = false) {
    return {v, skan, keng, pastga, false, vaqt};
}

std::string tasvir(const std::optional<TugmaHodisasi>& h) {
    if (!h) return "-";
    return std::to_string(h->tur) + "/" + std::to_string(h->kod) + "/" + std::to_string(h->bayroqlar);
}

TEST(TugmaXaritasi, ModifierCodesLikeTheOtherDesktops) {
    struct Q {
        std::uint32_t vk, skan;
        bool keng;
        std::optional<std::uint16_t> kod;
    };
    const std::vector<Q> jadval = {
        {vk::chapShift, 0x2A, false, 56}, {vk::ongShift, 0x36, false, 60},
        {vk::shift, 0x2A, false, 56},     {vk::shift, 0x36, false, 60},  // generic Shift by scan code
        {vk::chapBoshqarish, 0, false, 59}, {vk::ongBoshqarish, 0, true, 62},
        {vk::boshqarish, 0x1D, false, 59},  {vk::boshqarish, 0x1D, true, 62},
        {vk::chapAlt, 0, false, 58},        {vk::alt, 0x38, true, 61},
        {vk::chapWin, 0, true, 55},         {vk::ongWin, 0, true, 54},
        {vk::capsLock, 0x3A, false, 57},    {'A', 0x1E, false, std::nullopt},
        {0x0D, 0x1C, false, std::nullopt},  {0xE7, 0, false, std::nullopt},  // VK_PACKET
    };
    for (const Q& q : jadval) EXPECT_EQ(modifikatorKodi(q.vk, q.skan, q.keng), q.kod) << std::hex << q.vk;
}

TEST(TugmaXaritasi, EventsAndFlags) {
    TugmaXaritasi x;
    constexpr auto S = hodisa::shiftBayrogi;
    const std::vector<std::pair<HookTugmasi, std::string>> qadamlar = {
        {bos(vk::chapShift, true, 1.0), "12/56/" + std::to_string(S)},
        {bos(vk::chapShift, true, 1.1), "-"},                           // auto-repeat of the held Shift
        {bos(vk::ongShift, true, 1.2, 0x36), "12/60/" + std::to_string(S)},
        {bos(vk::chapShift, false, 1.3), "12/56/" + std::to_string(S)},  // the right one is still held
        {bos(vk::ongShift, false, 1.4, 0x36), "12/60/0"},
        {bos('A', true), "10/65/0"},
        {bos('A', true), "-"},                                          // auto-repeat
        {bos('A', false), "-"},                                         // releases are not watched
        {bos('A', true), "10/65/0"},                                    // a new press after the release
        {bos(vk::ongBoshqarish, true, 0, 0x1D, true), "12/62/" + std::to_string(boshqarishBayrogi)},
        {bos('C', true), "10/67/" + std::to_string(boshqarishBayrogi)},
        {bos(vk::boshqarish, false, 0, 0x1D, true), "12/62/0"},        // generic release of the right one
        {bos(vk::chapWin, true), "12/55/" + std::to_string(hodisa::buyruqBayrogi)},
        {bos(vk::chapWin, false), "12/55/0"},
        {bos(vk::capsLock, true), "12/57/" + std::to_string(qulfBayrogi)},
        {bos(vk::capsLock, false), "-"},
        {bos(vk::alt, true, 0, 0x38, false), "12/58/" + std::to_string(qulfBayrogi | altBayrogi)},
        {bos(vk::alt, false, 0, 0x38, false), "12/58/" + std::to_string(qulfBayrogi)},
        {bos(vk::capsLock, true), "12/57/0"},
        {bos(vk::ongAlt, false), "-"},  // a release whose press was never seen
    };
    for (std::size_t i = 0; i < qadamlar.size(); ++i) EXPECT_EQ(tasvir(x.otkaz(qadamlar[i].first)), qadamlar[i].second) << i;
}

TEST(TugmaXaritasi, APressAfterAMissedReleaseIsNew) {
    TugmaXaritasi x;
    const std::string S = std::to_string(hodisa::shiftBayrogi);
    const std::vector<std::pair<HookTugmasi, std::string>> qadamlar = {
        {bos(vk::chapShift, true, 10.0), "12/56/" + S},
        {bos(vk::chapShift, true, 10.5), "-"},   // repeats after the keyboard delay...
        {bos(vk::chapShift, true, 10.53), "-"},  // ...and at the repeat rate
        {bos(vk::chapShift, true, 11.6), "-"},   // a long hold keeps repeating
        // Its release went elsewhere; seconds later Shift goes down again.
        {bos(vk::chapShift, true, 20.0), "12/56/" + S},
        {bos(vk::chapShift, false, 20.1), "12/56/0"},
        {bos('K', true, 30.0), "10/75/0"},
        {bos('K', true, 40.0), "10/75/0"},       // the same for other keys
        {bos('K', true, 40.5), "-"},
        // Held without repeats (as X servers hold modifiers): its release still counts.
        {bos(vk::chapAlt, true, 50.0), "12/58/" + std::to_string(altBayrogi)},
        {bos(vk::chapAlt, false, 55.0), "12/58/0"},
    };
    for (std::size_t i = 0; i < qadamlar.size(); ++i) EXPECT_EQ(tasvir(x.otkaz(qadamlar[i].first)), qadamlar[i].second) << i;
}

TEST(TugmaXaritasi, OurOwnKeysAreNotSeen) {
    TugmaXaritasi x;
    HookTugmasi t = bos(vk::chapShift, true, 2.5);
    t.bizniki = true;
    EXPECT_FALSE(x.otkaz(t));
    EXPECT_EQ(x.bayroqlar(), 0u);  // nor counted as held
    t.bizniki = false;
    const auto h = x.otkaz(t);
    ASSERT_TRUE(h);
    EXPECT_DOUBLE_EQ(h->vaqt, 2.5);
    HookTugmasi qoy = bos(vk::chapShift, false);
    qoy.bizniki = true;  // our lift of the held key around a press
    EXPECT_FALSE(x.otkaz(qoy));
    EXPECT_EQ(x.bayroqlar(), hodisa::shiftBayrogi);  // the user still holds it
}

// With Num Lock on, Shift held and a keypad digit pressed, the driver lifts
// Shift before the key (marked as made up) and puts it back after (sometimes
// unmarked). None of it is the user's: Shift stays held throughout, and the
// release at the end is the only Shift change after the press.
TEST(TugmaXaritasi, ShiftTheDriverMakesUpAroundKeypadKeys) {
    TugmaXaritasi x;
    const std::string S = std::to_string(hodisa::shiftBayrogi);
    constexpr std::uint32_t home = 0x24, yetti = 0x47, sahta = sahtaSkanBiti | 0x2A;
    const std::vector<std::pair<HookTugmasi, std::string>> qadamlar = {
        {bos(vk::chapShift, true, 10.0, 0x2A), "12/56/" + S},
        {bos(vk::chapShift, false, 10.2, sahta), "-"},  // lifted before the key
        {bos(home, true, 10.2, yetti), "10/36/" + S},     // keypad 7 as Home, Shift still the user's
        {bos(home, false, 10.3, yetti), "-"},
        {bos(vk::chapShift, true, 10.3, 0x2A), "-"},     // put back, unmarked
        {bos(vk::chapShift, false, 11.5, sahta), "-"},
        {bos(home, true, 11.5, yetti), "10/36/" + S},
        {bos(home, false, 11.6, yetti), "-"},
        {bos(vk::chapShift, true, 11.6, sahta), "-"},    // put back, marked
        {bos(vk::chapShift, false, 13.0, 0x2A), "12/56/0"},  // the user lets go
    };
    for (std::size_t i = 0; i < qadamlar.size(); ++i)
        EXPECT_EQ(tasvir(x.otkaz(qadamlar[i].first)), qadamlar[i].second) << i;
}

TEST(TugmaXaritasi, AfterAKeypadKeyOnlyTheNextEventIsSuspect) {
    TugmaXaritasi x;
    const std::string S = std::to_string(hodisa::shiftBayrogi);
    // Without Shift held, a keypad key primes nothing.
    EXPECT_EQ(tasvir(x.otkaz(bos(0x67, true, 1.0, 0x47))), "10/103/0");
    EXPECT_EQ(tasvir(x.otkaz(bos(0x67, false, 1.1, 0x47))), "-");
    EXPECT_EQ(tasvir(x.otkaz(bos(vk::chapShift, true, 1.2, 0x2A))), "12/56/" + S);
    // Held: the keypad key's release primes, another key clears it.
    EXPECT_EQ(tasvir(x.otkaz(bos(0x24, true, 1.3, 0x47))), "10/36/" + S);
    EXPECT_EQ(tasvir(x.otkaz(bos(0x24, false, 1.4, 0x47))), "-");
    EXPECT_EQ(tasvir(x.otkaz(bos('K', true, 1.5, 0x25))), "10/75/" + S);
    // A Shift press seconds later is a press whose release went elsewhere.
    EXPECT_EQ(tasvir(x.otkaz(bos(vk::chapShift, true, 5.0, 0x2A))), "12/56/" + S);
    // The grey arrows (extended) and keypad minus prime nothing.
    EXPECT_EQ(tasvir(x.otkaz(bos(0x24, false, 5.1, 0x47, true))), "-");
    EXPECT_EQ(tasvir(x.otkaz(bos(0x6D, false, 5.2, 0x4A))), "-");
    EXPECT_EQ(tasvir(x.otkaz(bos(vk::chapShift, false, 5.3, 0x2A))), "12/56/0");
    for (std::uint32_t s = 0x47; s <= 0x53; ++s)
        EXPECT_EQ(ikkiHolatliRaqammi(s, false), s != 0x4A && s != 0x4E) << std::hex << s;
    EXPECT_FALSE(ikkiHolatliRaqammi(0x47, true));
    EXPECT_FALSE(ikkiHolatliRaqammi(0x1C, false));
}

TEST(TugmaXaritasi, ShiftWithoutATimeIsNoTap) {
    TugmaXaritasi x;
    EXPECT_FALSE(x.otkaz(bos(vk::chapShift, true, 0, 0x2A)));
    EXPECT_FALSE(x.otkaz(bos(vk::chapShift, false, 0, 0x2A)));
    EXPECT_EQ(x.bayroqlar(), 0u);
    // Other keys without a time still count.
    EXPECT_EQ(tasvir(x.otkaz(bos(vk::chapBoshqarish, true, 0, 0x1D))), "12/59/" + std::to_string(boshqarishBayrogi));
    // The right Shift is told by its scan code whatever the driver's bits.
    EXPECT_EQ(modifikatorKodi(vk::shift, sahtaSkanBiti | 0x36, false), hodisa::ongShift);
}

TEST(Terminallar, ClassNames) {
    for (const char* s : {"ConsoleWindowClass", "CASCADIA_HOSTING_WINDOW_CLASS", "mintty", "MinTTY", "VirtualConsoleClass"})
        EXPECT_TRUE(terminalSinfimi(s)) << s;
    for (const char* s : {"Notepad", "Edit", "Chrome_WidgetWin_1", "mintty2", "", "ConsoleWindow"})
        EXPECT_FALSE(terminalSinfimi(s)) << s;
}

using K = std::vector<KiritishTugmasi>;
constexpr std::uint16_t LC = vk::chapBoshqarish, LS = vk::chapShift, RA = vk::ongAlt, LW = vk::chapWin, N = vk::niqob,
                        I = vk::insert;

TEST(BosishKetmaKetligi, Table) {
    struct Q {
        const char* nom;
        std::uint16_t kod;
        std::uint64_t bayroqlar;
        bool terminal;
        std::vector<std::uint16_t> ushlangan;
        K kutilgan;
    };
    const auto B = hodisa::buyruqBayrogi;
    const std::vector<Q> jadval = {
        {"copy", hodisa::kodC, B, false, {}, {{LC, true}, {'C', true}, {'C', false}, {LC, false}}},
        {"paste", hodisa::kodV, B, false, {}, {{LC, true}, {'V', true}, {'V', false}, {LC, false}}},
        {"select all", hodisa::kodA, B, false, {}, {{LC, true}, {'A', true}, {'A', false}, {LC, false}}},
        {"terminal copy", hodisa::kodC, B, true, {}, {{LC, true}, {I, true}, {I, false}, {LC, false}}},
        {"terminal paste", hodisa::kodV, B, true, {}, {{LS, true}, {I, true}, {I, false}, {LS, false}}},
        {"terminal paste with Shift held", hodisa::kodV, B, true, {LS},
         {{LS, false}, {LS, true}, {I, true}, {I, false}, {LS, false}, {LS, true}}},
        {"terminal select all", hodisa::kodA, B, true, {}, {}},
        {"unknown key", 12, B, false, {}, {}},
        {"held Shift lifted and put back", hodisa::kodV, B, false, {LS},
         {{LS, false}, {LC, true}, {'V', true}, {'V', false}, {LC, false}, {LS, true}}},
        {"held right Alt: no lone Alt release", hodisa::kodC, B, false, {RA},
         {{N, true}, {N, false}, {RA, false}, {LC, true}, {'C', true}, {'C', false}, {LC, false}, {RA, true},
          {N, true}, {N, false}}},
        {"held Windows key", hodisa::kodC, B, false, {LW},
         {{N, true}, {N, false}, {LW, false}, {LC, true}, {'C', true}, {'C', false}, {LC, false}, {LW, true},
          {N, true}, {N, false}}},
        {"no flags", hodisa::kodC, 0, false, {}, {{'C', true}, {'C', false}}},
    };
    for (const Q& q : jadval) EXPECT_EQ(bosishKetmaKetligi(q.kod, q.bayroqlar, q.terminal, q.ushlangan), q.kutilgan) << q.nom;
}

TEST(BosishKetmaKetligi, NoKeyOfATerminalSequenceInterrupts) {
    // Control+C, or Control+Shift+C, reaches a console with nothing selected as an interrupt.
    for (std::uint16_t kod : {hodisa::kodA, hodisa::kodC, hodisa::kodV})
        for (const auto& ushlangan : {std::vector<std::uint16_t>{}, {LS}, {LC}, {RA}}) {
            const K k = bosishKetmaKetligi(kod, hodisa::buyruqBayrogi, true, ushlangan);
            for (const KiritishTugmasi& t : k) EXPECT_NE(t.vk, 'C') << kod;
        }
    EXPECT_TRUE(kengaytirilganmi(vk::insert));  // else the keypad's 0 under Num Lock
    EXPECT_TRUE(kengaytirilganmi(vk::ongBoshqarish));
    EXPECT_FALSE(kengaytirilganmi(vk::chapBoshqarish));
    EXPECT_FALSE(kengaytirilganmi(vk::chapShift));
}

TEST(BufferTurlari, WhatASnapshotKeeps) {
    const BuferTuri matn{13, ""}, ansi{1, ""}, oem{7, ""}, lokal{16, ""}, dib{8, ""}, dib5{17, ""}, bitmap{2, ""},
        emf{14, ""}, mf{3, ""}, html{0xC0A1, "HTML Format"}, rtf{0xC0B2, "Rich Text Format"},
        ole{0xC00F, "DataObject"}, olep{0xC010, "Ole Private Data"}, xususiy{0x201, ""}, gdi{0x300, ""}, hdrop{15, ""};
    struct Q {
        const char* nom;
        std::vector<BuferTuri> berilgan, kutilgan;
    };
    const std::vector<Q> jadval = {
        {"text with its synthesized twins", {matn, lokal, ansi, oem}, {matn, lokal}},
        {"ANSI first: the Unicode text is kept too", {ansi, lokal, matn, oem}, {ansi, lokal, matn}},
        {"OEM first", {oem, matn, ansi}, {oem, matn}},
        {"browser copy", {html, rtf, matn, lokal, ansi, oem}, {html, rtf, matn, lokal}},
        {"bitmap source: only its DIB comes back", {bitmap, dib, dib5}, {dib}},
        {"DIB source", {dib, bitmap, dib5}, {dib}},
        {"enhanced metafile source", {emf, mf, matn}, {emf, matn}},
        {"old metafile source", {mf, emf}, {mf}},
        {"OLE bookkeeping left out", {ole, olep, html, matn}, {html, matn}},
        {"private and GDI ranges left out", {xususiy, gdi, hdrop}, {hdrop}},
        {"repeated entries once", {matn, matn, html, html}, {matn, html}},
        {"empty", {}, {}},
    };
    for (const Q& q : jadval) EXPECT_EQ(saqlanadiganTurlar(q.berilgan), q.kutilgan) << q.nom;
}

TEST(BufferTurlari, Shapes) {
    EXPECT_EQ(turShakli(13), TurShakli::xotira);
    EXPECT_EQ(turShakli(8), TurShakli::xotira);
    EXPECT_EQ(turShakli(15), TurShakli::xotira);  // CF_HDROP
    EXPECT_EQ(turShakli(0xC0A1), TurShakli::xotira);
    EXPECT_EQ(turShakli(14), TurShakli::emf);
    EXPECT_EQ(turShakli(3), TurShakli::wmf);
    for (unsigned id : {2u, 9u, 0x80u, 0x82u, 0x83u, 0x8Eu, 0x200u, 0x2FFu, 0x300u, 0x3FFu})
        EXPECT_EQ(turShakli(id), TurShakli::olinmaydi) << id;
    EXPECT_EQ(turShakli(0x400), TurShakli::xotira);
}

TEST(BufferTurlari, MetafilePictureBytes) {
    const MetafaylRasmi r{8, 2540, -1270, std::string("\x01\x00\x09\x00\x00\x03\x00x", 8)};
    const std::string b = metafaylRasminiYoz(r);
    ASSERT_EQ(b.size(), 12u + 8u);
    EXPECT_EQ(b.substr(0, 12), std::string("\x08\0\0\0\xEC\x09\0\0\x0A\xFB\xFF\xFF", 12));
    EXPECT_EQ(metafaylRasminiOqi(b), r);
    EXPECT_FALSE(metafaylRasminiOqi(b.substr(0, 12)));  // a header alone holds no metafile
    EXPECT_FALSE(metafaylRasminiOqi(""));
}

TEST(NusxaMuddati, OneDeadlineAndNoSecondQuestionToASilentOwner) {
    NusxaMuddati m(1250);
    EXPECT_EQ(m.sorash(1000), 250);
    EXPECT_EQ(m.sorash(1249), 1);
    EXPECT_EQ(m.sorash(1250), 0);
    EXPECT_EQ(m.sorash(1300), 0);
    NusxaMuddati j(1250);
    j.javobBermadi();
    EXPECT_EQ(j.sorash(1000), 0);
}

TEST(IlmoqNazorati, InputTheHookDidNotSeeMeansADeadHook) {
    IlmoqNazorati n(1000);
    const std::uint32_t C = IlmoqNazorati::boshlangichChegara;
    EXPECT_FALSE(n.tekshir(2000, 1500));          // input, but only just
    EXPECT_FALSE(n.tekshir(C + 900, C + 900));    // just under the wait
    n.tugmaKorildi(C + 950);                      // a key: alive
    EXPECT_FALSE(n.tekshir(2 * C, 2 * C));
    EXPECT_FALSE(n.tekshir(3 * C, 900));          // no input since: nothing to tell
    EXPECT_TRUE(n.tekshir(2 * C + 1000, 2 * C + 950));
    // Installed again just now: the next wait is twice as long.
    EXPECT_EQ(n.chegara(), 2 * C);
    EXPECT_FALSE(n.tekshir(3 * C + 1000, 3 * C + 1000));
    EXPECT_TRUE(n.tekshir(4 * C + 1000, 4 * C + 1000));
    n.tugmaKorildi(4 * C + 2000);
    EXPECT_EQ(n.chegara(), C);  // the hook works: back to the short wait
}

TEST(IlmoqNazorati, WaitsAreCappedAndTheTickCountWraps) {
    IlmoqNazorati n(0);
    std::uint32_t t = 0;
    for (int i = 0; i < 20; ++i) {
        t += n.chegara();
        EXPECT_TRUE(n.tekshir(t, t)) << i;
    }
    EXPECT_EQ(n.chegara(), IlmoqNazorati::engKattaChegara);
    // Across the wrap of GetTickCount.
    IlmoqNazorati w(0xFFFFFF00u);
    EXPECT_FALSE(w.tekshir(0x100, 0x100));
    EXPECT_TRUE(w.tekshir(IlmoqNazorati::boshlangichChegara, IlmoqNazorati::boshlangichChegara));
    IlmoqNazorati q(5000);
    q.qaytaOrnatildi(5000 + IlmoqNazorati::boshlangichChegara);  // after a resume
    EXPECT_FALSE(q.tekshir(5000 + IlmoqNazorati::boshlangichChegara + 10, 5000 + IlmoqNazorati::boshlangichChegara));
}

TEST(BelgiUrinishi, SoonThenEveryHalfMinute) {
    const std::vector<std::uint32_t> kutilgan = {1000, 1000, 2000, 4000, 8000, 16000, 30000, 30000};
    for (int i = 0; i < 8; ++i) EXPECT_EQ(belgiUrinishOraligi(i), kutilgan[std::size_t(i)]) << i;
    EXPECT_EQ(belgiUrinishOraligi(1000), 30000u);
}

TEST(BufferTurlari, NamesGoBothWays) {
    for (const BuferTuri& t : {BuferTuri{13, ""}, BuferTuri{8, ""}, BuferTuri{0, "HTML Format"}}) {
        const auto qaytgan = turOqi(turYozuvi(t));
        ASSERT_TRUE(qaytgan) << turYozuvi(t);
        EXPECT_EQ(*qaytgan, t);
    }
    EXPECT_EQ(turYozuvi({13, ""}), "#13");
    EXPECT_EQ(turYozuvi({0xC0A1, "HTML Format"}), "HTML Format");
    for (const char* yomon : {"", "#", "#x", "#13x", "#0", "#49152", "#-1"}) EXPECT_FALSE(turOqi(yomon)) << yomon;
}

TEST(KechiktirilganMazmun, GivesOnAskingAndCountsOthers) {
    KechiktirilganMazmun m;
    EXPECT_EQ(m.baytlari(13), nullptr);
    m.qoy({{0xC0A1, "<b>html</b>"}, {13, std::string("m\0a\0\0\0", 6)}});
    ASSERT_NE(m.baytlari(13), nullptr);
    EXPECT_EQ(*m.baytlari(13), std::string("m\0a\0\0\0", 6));
    EXPECT_EQ(m.baytlari(1), nullptr);  // CF_TEXT is Windows' to make, from ours
    EXPECT_EQ(m.oqilishSoni(), 0);

    m.berildi(13, false, 0);  // our own reading
    EXPECT_EQ(m.oqilishSoni(), 0);
    m.berildi(13, true, 0);  // the target's paste
    EXPECT_EQ(m.oqilishSoni(), 1);
    m.berildi(7, true, 0);  // not ours
    EXPECT_EQ(m.oqilishSoni(), 1);
}

TEST(KechiktirilganMazmun, RenderingIsNoChangeOfContent) {
    KechiktirilganMazmun m;
    m.qoy({{13, "x"}});
    EXPECT_EQ(m.ozgarishSoni(40), 40);
    m.berildi(13, true, 1);
    EXPECT_EQ(m.ozgarishSoni(41), 40);
    EXPECT_EQ(m.ozgarishSoni(42), 41);  // a real change still moves it
    m.berildi(13, true, 0);
    EXPECT_EQ(m.ozgarishSoni(42), 41);
}

TEST(KechiktirilganMazmun, WhatIsLeftBeforeLeavingAndAfterEmptying) {
    KechiktirilganMazmun m;
    m.qoy({{0xC0B2, "{\\rtf1 r}"}, {0xC0A1, "h"}, {13, "m"}});
    m.berildi(0xC0A1, true, 0);
    const KechiktirilganMazmun::Turlar kutilgan = {{0xC0B2, "{\\rtf1 r}"}, {13, "m"}};
    EXPECT_EQ(m.qolganlari(), kutilgan);
    EXPECT_TRUE(m.qolganlari().empty());  // given once
    EXPECT_EQ(m.oqilishSoni(), 1);          // leaving is no reading

    m.qoy({{13, "yangi"}});  // the earlier content's bytes go
    EXPECT_EQ(m.baytlari(0xC0A1), nullptr);
    EXPECT_EQ(m.qolganlari(), KechiktirilganMazmun::Turlar({{13, "yangi"}}));
    m.tashla();
    EXPECT_EQ(m.baytlari(13), nullptr);
    EXPECT_TRUE(m.qolganlari().empty());
}

}  // namespace
}  // namespace harfnur::windows_
