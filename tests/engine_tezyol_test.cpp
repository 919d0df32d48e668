// The fast path against the reference path on seeded random texts, and
// concurrent use of the engine.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <thread>
#include <vector>

#include "engine/bolgich.h"
#include "engine/ichki.h"
#include "engine/lotin_qadami.h"
#include "engine/ogir.h"

namespace {

// Pieces chosen to sit on every decision the fast path makes: ASCII next to
// non-ASCII, clusters that span code points, CR LF, case forms, marks and
// their look-alikes, invalid and truncated sequences.
const std::vector<std::string>& parchalar() {
    static const std::vector<std::string> p = {
        "o", "g", "s", "c", "h", "O", "G", "S", "C", "H", "a", "i", "z", "q", "k", "x", "t",
        " ", " ", "  ", "\n", "\r", "\r\n", "\t", ".", ",", "(", ")", "2", "-",
        "'", "`", "\u02BB", "\u2018", "\u2019", "\u02BC", "\u02BD", "\u00B4", "\"",
        "а", "е", "ё", "и", "й", "о", "у", "ц", "ш", "щ", "ъ", "ь", "ю", "я", "ў", "қ", "ғ", "ҳ",
        "А", "Е", "Ё", "Ц", "Ш", "Щ", "Ъ", "Ь", "Ю", "Я", "Ў", "Ғ", "Ҳ", "і", "ң", "ԁ",
        "\u0301", "\u0306", "\u0308", "\u0483", "\u200D", "\u0327",
        "ö", "Ö", "ş", "ç", "ğ", "İ", "ß", "Σ", "\u212A", "ǅ", "ﬀ",
        "😀", "👩\u200D💻", "🇺🇿", "\U0001F1FA", "한", "\u1100", "\u1161", "\u11A8", "\u0915\u094D",
        "\u0600", "\u0E33", "你",
        "\xFF", "\x80", "\xC3", "\xE2\x80", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xC0\xAF",
    };
    return p;
}

std::string tasodifiy(std::mt19937& g) {
    const auto& p = parchalar();
    std::uniform_int_distribution<std::size_t> uzunlik(0, 40), tanlov(0, p.size() - 1);
    std::string r;
    for (std::size_t n = uzunlik(g); n > 0; --n) r += p[tanlov(g)];
    return r;
}

TEST(FastPath, AgreesWithReferenceOnRandomTexts) {
    std::mt19937 g(20261206);
    for (int i = 0; i < 30000; ++i) {
        const std::string t = tasodifiy(g);
        ASSERT_EQ(harfnur::ogir(t), harfnur::ichki::ogirToliq(t)) << "i=" << i;
        ASSERT_EQ(harfnur::belgiSoni(t), std::size_t(harfnur::ichki::toliqMatn(t).soni())) << "i=" << i;
    }
}

TEST(FastPath, AgreesOnLongTextsAcrossWindowShifts) {
    std::mt19937 g(7);
    for (int i = 0; i < 40; ++i) {
        std::string t;
        while (t.size() < 20000) t += tasodifiy(g);
        ASSERT_EQ(harfnur::ogir(t), harfnur::ichki::ogirToliq(t)) << "i=" << i;
    }
}

// The Latin step on its own, whatever the count of the text would choose:
// texts where Cyrillic wins still pass through the Latin lanes in pieces a
// file is cut into.
TEST(FastPath, LatinStepAgreesOnAnyText) {
    std::mt19937 g(2026);
    for (int i = 0; i < 3000; ++i) {
        std::string t;
        while (t.size() < 150 + std::size_t(i % 7) * 200) t += tasodifiy(g);
        const harfnur::ichki::Matn m = harfnur::ichki::toliqMatn(t);
        std::string kutilgan;
        std::size_t kir = 0, boshqa = 0;
        for (const auto& b : m.belgilar) {
            if (b.sinf & harfnur::ichki::harfBit) ++(b.sinf & harfnur::ichki::kirillBit ? kir : boshqa);
        }
        for (std::ptrdiff_t p = 0; p < m.soni();) {
            if (const auto q = harfnur::ichki::lotinQadami(m, p)) {
                kutilgan += q->almashtirish;
                p += q->yutildi;
            } else {
                const auto& b = m.belgilar[std::size_t(p++)];
                kutilgan.append(t, b.boshi, b.oxiri - b.boshi);
            }
        }
        std::string r;
        const harfnur::HarfSanogi s = harfnur::qadamBilanOgir(t, false, r);
        ASSERT_EQ(r, kutilgan) << "i=" << i;
        ASSERT_EQ(s.kirill, kir) << "i=" << i;
        ASSERT_EQ(s.boshqa, boshqa) << "i=" << i;
    }
}

// Long stretches of one script with rare odd pieces, so the block lanes run
// and are entered and left at every kind of boundary.
std::string birYozuvda(std::mt19937& g, const std::vector<std::string>& asosiy, std::size_t hajm) {
    const auto& p = parchalar();
    std::uniform_int_distribution<std::size_t> a(0, asosiy.size() - 1), q(0, p.size() - 1), ehtimol(0, 99);
    std::string r;
    while (r.size() < hajm) r += ehtimol(g) < 3 ? p[q(g)] : asosiy[a(g)];
    return r;
}

TEST(FastPath, AgreesOnMostlyOneScriptTexts) {
    const std::vector<std::string> lotin = {"o", "g", "s", "c", "h", "O", "G", "S", "C", "H", "a", "i",
                                            "z", "k", " ", " ", "'", "`", "\n", "\r\n", ".", "b"};
    const std::vector<std::string> kirill = {"а", "е", "ё", "о", "у", "ц", "ш", "ъ", "ь", "ю", "я", "ў",
                                             "қ", "ғ", "ҳ", "Е", "Ц", "Ю", "Ъ", "Ш", " ", " ", ".", "\n"};
    // Latin as printed: typographic marks and quotes, letters of the new
    // orthography, a stray Cyrillic letter.
    const std::vector<std::string> bosma = {"o", "g", "s", "c", "h", "O", "G", "S", "a", "i", "k", " ", " ",
                                            "\u02BB", "\u2018", "\u2019", "\u02BC", "'", "ö", "ş", "Ç",
                                            "қ", "ҳ", "—", "«", "»", "\u201C", "\n", "\r\n"};
    const std::vector<std::string>* turlar[] = {&kirill, &lotin, &bosma};
    std::mt19937 g(42);
    for (int i = 0; i < 600; ++i) {
        const std::string t = birYozuvda(g, *turlar[i % 3], 200 + std::size_t(i) * 5);
        ASSERT_EQ(harfnur::ogir(t), harfnur::ichki::ogirToliq(t)) << "i=" << i;
        const auto tez = harfnur::ichki::harflarniSana(t);
        const auto m = harfnur::ichki::toliqMatn(t);
        std::size_t kir = 0, boshqa = 0;
        for (const auto& b : m.belgilar) {
            if (!(b.sinf & harfnur::ichki::harfBit)) continue;
            ++(b.sinf & harfnur::ichki::kirillBit ? kir : boshqa);
        }
        ASSERT_EQ(tez.kirill, kir) << "i=" << i;
        ASSERT_EQ(tez.boshqa, boshqa) << "i=" << i;
    }
}

// Pieces whose meaning hangs on a code point that joins the one before, or
// on bytes that are not text, put at every offset of printed Latin so they
// meet each edge of the block lanes' windows.
TEST(FastPath, AgreesWithJoiningPiecesAtEveryOffset) {
    const std::string bosma = "O\u02BBzbekiston \u2014 shahar, g\u2018alaba. Ta\u2019lim o\u02BBqituvchi \u00ABdo'st\u00BB; ";
    std::string toldiruvchi;
    while (toldiruvchi.size() < 400) toldiruvchi += bosma;
    const char* const parchalar[] = {
        "o'\u0301b", "o\u02BB\u0301a", "g\u2019\u0308 ", "sh\u0301", "s\u0301h", "a'\u0301b", "o'\u200Db",
        "ch\u0483", "o'\U0001F600", "o'\xFF" "b", "\xC3o'a", "o\xE2\x80" "b", "\u02BB\u0301\u02BBa", "o'\r\nb",
    };
    for (const char* parcha : parchalar) {
        for (std::size_t joy = 0; joy < 200; ++joy) {
            const std::string t = toldiruvchi.substr(0, joy) + parcha + toldiruvchi.substr(joy);
            ASSERT_EQ(harfnur::ogir(t), harfnur::ichki::ogirToliq(t)) << parcha << " at " << joy;
        }
    }
}

// The step is guessed from the text's start and checked against the count of
// the whole text; near a tie that check alone decides.
TEST(FastPath, ScriptChoiceCountsTheWholeText) {
    std::mt19937 g(9);
    const std::vector<std::string> lotin = {"o", "g", "s", "h", "a", "'", " ", "c", "i"};
    const std::vector<std::string> kirill = {"о", "г", "ш", "ҳ", "а", "ъ", " ", "е", "ц"};
    for (int i = 0; i < 6; ++i) {
        std::string t = birYozuvda(g, i % 2 ? lotin : kirill, 6000);
        std::string oxiri = birYozuvda(g, i % 2 ? kirill : lotin, 3000);
        // Grow the second script one letter at a time across the tie.
        const std::string harf = i % 2 ? "ш" : "s";
        auto sana = [](const std::string& x) { return harfnur::ichki::harflarniSana(x); };
        while (sana(t + oxiri).kirillmi() == bool(i % 2 == 0)) oxiri += harf + " ";
        for (int k = 0; k < 3; ++k) {
            const std::string matn = t + oxiri;
            ASSERT_EQ(harfnur::ogir(matn), harfnur::ichki::ogirToliq(matn)) << "i=" << i << " k=" << k;
            oxiri.resize(oxiri.size() - harf.size() - 1);
        }
    }
}

}  // namespace
