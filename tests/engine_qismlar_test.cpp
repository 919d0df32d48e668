// Pieces converted as one text: joined, the same as the whole conversion;
// apart, each piece's share the same as a plain walk over the reference
// Characters hands out.
#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <string>
#include <vector>

#include "engine/bolgich.h"
#include "engine/ichki.h"
#include "engine/kirill_qadami.h"
#include "engine/lotin_qadami.h"
#include "engine/qismlar.h"

namespace {

using Qismlar = std::vector<std::string>;
namespace ichki = harfnur::ichki;

// The shares worked out byte by byte: a rule's output to the piece of its
// first Character's first byte, every other byte to its own piece.
Qismlar oddiyUlush(const Qismlar& q, std::optional<bool> kirillmi) {
    std::string t;
    std::vector<std::size_t> egasi;
    for (std::size_t i = 0; i < q.size(); ++i) {
        t += q[i];
        egasi.insert(egasi.end(), q[i].size(), i);
    }
    const ichki::Matn m = ichki::toliqMatn(t);
    std::size_t kir = 0, boshqa = 0;
    for (const ichki::Belgi& b : m.belgilar) {
        kir += (b.sinf & ichki::harfBit) && (b.sinf & ichki::kirillBit);
        boshqa += (b.sinf & ichki::harfBit) && !(b.sinf & ichki::kirillBit);
    }
    const bool kirill = kirillmi.value_or(boshqa < kir);
    Qismlar r(q.size());
    for (std::ptrdiff_t p = 0; p < m.soni();) {
        const ichki::Belgi& b = m.belgilar[std::size_t(p)];
        if (const auto s = kirill ? ichki::kirillQadami(m, p) : ichki::lotinQadami(m, p)) {
            r[egasi[b.boshi]] += s->almashtirish;
            p += s->yutildi;
        } else {
            for (std::size_t i = b.boshi; i < b.oxiri; ++i) r[egasi[i]] += t[i];
            ++p;
        }
    }
    return r;
}

Qismlar qismlab(const Qismlar& q, std::optional<bool> kirillmi) {
    return harfnur::qismlabOgir(std::vector<std::string_view>(q.begin(), q.end()), kirillmi);
}

std::string qosh(const Qismlar& q) {
    std::string r;
    for (const auto& s : q) r += s;
    return r;
}

TEST(Qismlar, RulesAcrossCuts) {
    struct Hol {
        Qismlar kirish, chiqish;
        std::optional<bool> kirillmi = std::nullopt;
    } const hollar[] = {
        {{"bo", "'", "ldi"}, {"bö", "", "ldi"}},           // bold o, plain mark
        {{"s", "hahar"}, {"ş", "ahar"}},
        {{"ta", "'lim"}, {"ta", "ʼlim"}},                 // the sign is the rule's first Character
        {{"по", "езд"}, {"po", "yezd"}},                  // е after a vowel in the piece before
        {{"т", "ест"}, {"t", "est"}},                     // ... after a consonant
        {{"мили", "ция"}, {"mili", "tsiya"}},
        {{"кон", "церт"}, {"kon", "sert"}},
        {{"Ё", "ЛКА"}, {"YO", "LKA"}},                    // case from the next piece
        {{"Ё", "лка"}, {"Yo", "lka"}},
        {{"e", "\u0301"}, {"e", "\u0301"}},               // a Character cut in two, unchanged
        {{"те", "\u0301ст"}, {"tе", "\u0301st"}},
        {{"бу", "\u0306ри"}, {"bö", "ri"}},               // ... and replaced: all to where it begins
        {{"", "bo", "", "'l", ""}, {"", "bö", "", "l", ""}},
        {{"", ""}, {"", ""}},
        {{}, {}},
        {{"ша", "р \u064Bе"}, {"şa", "r \u064Bye"}},     // a mark joins the blank: no place to cut
        {{"\xD0", "\xB0"}, {"a", ""}},                    // invalid apart, а together
        {{"\xE2", "\x80"}, {"\xE2", "\x80"}},
        {{"o\xE2\x80", "'x"}, {"o\xE2\x80", "'x"}},
        {{"shox ", "шаҳар"}, {"shox ", "şahar"}},         // the step chosen by all the pieces
        {{"sha", "har"}, {"sha", "har"}, true},
        {{"ша", "ҳар"}, {"ша", "ҳар"}, false},
        {{"ша", "ҳар"}, {"şa", "har"}, true},
    };
    for (const Hol& h : hollar) {
        EXPECT_EQ(qismlab(h.kirish, h.kirillmi), h.chiqish) << qosh(h.kirish);
        EXPECT_EQ(oddiyUlush(h.kirish, h.kirillmi), h.chiqish) << qosh(h.kirish);
    }
}

const std::vector<std::string> parchalar = {
    "o", "g", "s", "c", "h", "O", "S", "H", "a", "z", "'", "`", "\u02BB", "\u2019", "\u02BC",
    "а", "е", "ц", "ш", "ъ", "ь", "ю", "Ю", "Е", "Ц", "Ё", "ў", "у", "и", "й", "\u0306", "\u0301", "\u064B", "\u200D",
    " ", " ", " ", "\t", "\n", "\r", "\r\n", ".", "2", "\u0600", "👩\u200D💻", "🇺🇿",
    "\xFF", "\xE2\x80", "\xD0",
};

std::string tasodifiy(std::mt19937& g, std::size_t hajm, unsigned kirillUlushi) {
    const std::vector<std::string> lotin = {"o'g'il", "shahar ", "choy", "ta'lim", "SHO'X", " bu "};
    const std::vector<std::string> kirill = {"поезд", "милиция ", "ЮНЕСКО", "объект", "Юрак", " бу "};
    std::uniform_int_distribution<std::size_t> tanlov(0, parchalar.size() - 1), foiz(0, 99);
    std::string r;
    while (r.size() < hajm) {
        if (foiz(g) < 40)
            r += (foiz(g) < kirillUlushi ? kirill : lotin)[foiz(g) % 6];
        else
            r += parchalar[tanlov(g)];
    }
    return r;
}

Qismlar bol(std::mt19937& g, const std::string& t, std::size_t engKop) {
    std::uniform_int_distribution<std::size_t> uzunlik(0, engKop);
    Qismlar r;
    for (std::size_t i = 0; i < t.size() || r.empty();) {
        const std::size_t k = std::min(uzunlik(g), t.size() - i);
        r.push_back(t.substr(i, k));
        i += k;
    }
    return r;
}

void tekshir(const Qismlar& q, std::optional<bool> kirillmi) {
    const Qismlar r = qismlab(q, kirillmi);
    ASSERT_EQ(r, oddiyUlush(q, kirillmi)) << qosh(q);
    if (!kirillmi) {
        ASSERT_EQ(qosh(r), harfnur::ogir(qosh(q)));
        ASSERT_EQ(qosh(r), ichki::ogirToliq(qosh(q)));
    }
}

TEST(Qismlar, RandomCutsGiveThePlainShares) {
    std::mt19937 g(11);
    const std::optional<bool> qadamlar[] = {std::nullopt, false, true};
    for (int i = 0; i < 3000; ++i) {
        const std::string t = tasodifiy(g, std::size_t(i % 60), unsigned(i % 101));
        tekshir(bol(g, t, 1 + std::size_t(i % 7)), qadamlar[i % 3]);
    }
}

TEST(Qismlar, LongTextsInRichRuns) {
    std::mt19937 g(3);
    for (unsigned ulush : {0u, 48u, 52u, 100u}) {
        const std::string t = tasodifiy(g, 25000, ulush);
        for (std::size_t engKop : {3u, 200u, 5000u}) tekshir(bol(g, t, engKop), std::nullopt);
    }
}

}  // namespace
