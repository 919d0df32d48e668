// A text converted in pieces, cut where kesishJoyi allows and with the step
// of the whole text, gives exactly what the whole conversion gives.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "engine/ogir.h"

namespace {

// Every rule's window and every cluster that could reach across a cut:
// marks, digraphs, е and ц after vowels or signs, capitals before letters,
// combining marks after blanks, CR LF, prefix code points, invalid bytes.
const std::vector<std::string> parchalar = {
    "o", "g", "s", "c", "h", "O", "S", "H", "a", "z", "'", "`", "\u02BB", "\u2019", "\u02BC",
    "а", "е", "ц", "ш", "ъ", "ь", "ю", "Ю", "Е", "Ц", "Ё", "ў", "и", "й", "\u0306", "\u0301", "\u200D",
    " ", " ", " ", "\t", "\n", "\n", "\r", "\r\n", ".", "2", "\u0600", "\u0D4E", "👩\u200D💻", "🇺🇿",
    "\xFF", "\xE2\x80", "\xD0",
};

std::string tasodifiy(std::mt19937& g, std::size_t hajm, unsigned kirillUlushi) {
    std::uniform_int_distribution<std::size_t> tanlov(0, parchalar.size() - 1), foiz(0, 99);
    const std::vector<std::string> lotin = {"o'g'il", "shahar", "choy", "ta'lim", "SHO'X"};
    const std::vector<std::string> kirill = {"поезд", "милиция", "ЮНЕСКО", "объект", "Юрак"};
    std::string r;
    while (r.size() < hajm) {
        const std::size_t f = foiz(g);
        if (f < 30) {
            r += (foiz(g) < kirillUlushi ? kirill : lotin)[foiz(g) % 5];
        } else {
            r += parchalar[tanlov(g)];
        }
    }
    return r;
}

// Cuts every `qadam` bytes or at the next allowed place after that.
std::string bolibOgir(std::string_view t, std::size_t qadam, std::size_t* bolaklar = nullptr,
                      harfnur::HarfSanogi* sanoq = nullptr) {
    const bool kirillmi = harfnur::harflarniSana(t).kirillmi();
    std::string r;
    harfnur::HarfSanogi s;
    std::size_t soni = 0;
    for (std::size_t bosh = 0; bosh < t.size();) {
        const std::size_t oxir = harfnur::kesishJoyi(t, bosh + qadam);
        EXPECT_GT(oxir, bosh);
        s += harfnur::harflarniSana(t.substr(bosh, oxir - bosh));
        harfnur::qadamBilanOgir(t.substr(bosh, oxir - bosh), kirillmi, r);
        bosh = oxir;
        ++soni;
    }
    if (bolaklar) *bolaklar = soni;
    if (sanoq) *sanoq = s;
    return r;
}

TEST(Kesish, PiecesConvertAsTheWhole) {
    // Under Wine each tiny piece costs about fifty times more; a third of
    // the texts still checks that the Windows build cuts alike.
#ifdef _WIN32
    constexpr int sinovlar = 200;
    constexpr std::size_t kesilganKami = 120;  // the first texts are the shortest
#else
    constexpr int sinovlar = 600;
    constexpr std::size_t kesilganKami = 500;
#endif
    std::mt19937 g(31);
    std::size_t boshqaQaror = 0;  // pieces whose own letters would pick the other step
    std::size_t kesilgan = 0;     // texts cut into several pieces
    for (int i = 0; i < sinovlar; ++i) {
        const std::string t = tasodifiy(g, 50 + std::size_t(i) * 3, unsigned(i % 101));
        const bool butun = harfnur::harflarniSana(t).kirillmi();
        for (std::size_t qadam : {1, 2, 3, 7, 40}) {
            std::size_t bolaklar = 0;
            harfnur::HarfSanogi s;
            ASSERT_EQ(bolibOgir(t, qadam, &bolaklar, &s), harfnur::ogir(t)) << "i=" << i << " qadam=" << qadam;
            const harfnur::HarfSanogi w = harfnur::harflarniSana(t);
            ASSERT_EQ(s.kirill, w.kirill);
            ASSERT_EQ(s.boshqa, w.boshqa);
            if (qadam == 1) kesilgan += bolaklar > 3;
        }
        for (std::size_t bosh = 0; bosh < t.size();) {
            const std::size_t oxir = harfnur::kesishJoyi(t, bosh + 5);
            boshqaQaror += harfnur::harflarniSana(t.substr(bosh, oxir - bosh)).kirillmi() != butun;
            bosh = oxir;
        }
    }
    EXPECT_GT(kesilgan, kesilganKami);
    EXPECT_GT(boshqaQaror, std::size_t(sinovlar) / 6);  // the whole text's choice really crossed the cuts
}

TEST(Kesish, LongTextsInManyPieces) {
    std::mt19937 g(5);
    for (unsigned ulush : {0u, 45u, 50u, 55u, 100u}) {
        const std::string t = tasodifiy(g, 30000, ulush);
        for (std::size_t qadam : {1, 64, 1000}) ASSERT_EQ(bolibOgir(t, qadam), harfnur::ogir(t)) << ulush;
    }
}

TEST(Kesish, CutsOnlyWhereNothingReachesAcross) {
    struct Hol {
        std::string matn;
        std::size_t dan, joy;
    } const hollar[] = {
        {"ab cd", 1, 3},                  // after the blank
        {"ab\ncd", 0, 3},                 // 0 means the first place after the start
        {"a\r\nb", 1, 3},                 // after CR LF, never inside it
        {"ab \u0301c d", 1, 7},           // a blank followed by a combining mark is part of a Character
        {"\u0600 x y", 1, 5},             // a prefix code point joins the blank after it
        {"ab\xD0 c d", 1, 6},             // a blank after a non-ASCII byte is passed over
        {"o'g'il", 1, 6},                 // nowhere to cut: the end
        {"a b\n", 3, 4},                  // the line feed at the very end
        {"a b", 9, 3},
        {"x\ny", 2, 2},                   // a place right at `dan`
    };
    for (const Hol& h : hollar) EXPECT_EQ(harfnur::kesishJoyi(h.matn, h.dan), h.joy) << h.matn;
}

TEST(Kesish, StepFixedOnlyWhenTheRestCannotTipIt) {
    struct Hol {
        std::size_t kirill, boshqa, qolgan;
        std::optional<bool> qaror;
    } const hollar[] = {
        {0, 0, 0, false},       // no letters: Latin
        {3, 3, 0, false},       // a tie: Latin
        {4, 3, 0, true},
        {10, 3, 6, true},       // six more other letters leave Cyrillic one ahead
        {10, 3, 7, std::nullopt},
        {3, 10, 14, false},     // fourteen bytes hold at most seven Cyrillic letters: a tie
        {3, 10, 15, false},
        {3, 10, 16, std::nullopt},
        {0, 0, 1, false},       // one byte holds no Cyrillic letter
        {0, 0, 2, std::nullopt},
    };
    for (const Hol& h : hollar)
        EXPECT_EQ(harfnur::qadamAniqmi({h.kirill, h.boshqa}, h.qolgan), h.qaror)
            << h.kirill << " " << h.boshqa << " " << h.qolgan;
}

}  // namespace
