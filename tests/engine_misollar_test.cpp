// Worked examples and every table entry in the contexts that choose its form.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/ichki.h"
#include "engine/jadvallar.h"
#include "engine/ogir.h"
#include "engine/sinf.h"

using harfnur::ogir;

namespace {

struct Misol {
    std::string kirish, chiqish;
};

void tekshir(const std::vector<Misol>& misollar) {
    for (const auto& m : misollar) {
        EXPECT_EQ(ogir(m.kirish), m.chiqish) << "kirish: " << m.kirish;
        EXPECT_EQ(harfnur::ichki::ogirToliq(m.kirish), m.chiqish) << "to'liq yo'l, kirish: " << m.kirish;
    }
}

TEST(Ogir, ScriptChoiceAndWalk) {
    tekshir({
        {"", ""},
        {"2024!", "2024!"},
        {"салом shahar", "салом şahar"},   // 5 Cyrillic, 6 other: Latin
        {"шаҳ sha", "шаҳ şa"},             // tie: Latin
        {"Шаҳар sh", "Şahar sh"},          // Cyrillic wins, Latin rules nowhere
        {"shh", "şh"},
        {"mo‘’jiza", "möʼjiza"},
        {"ԁԁ ш", "ԁԁ ш"},                 // U+0501 is outside the block
        {"и\u0306и\u0306 ш", "и\u0306и\u0306 ш"},  // decomposed й counts as other
        {"йй ш", "yy ş"},
        {"ʼʼ ш", "ʼʼ ш"},                 // modifier letters count as other
    });
}

TEST(Ogir, KirillHarfmi) {
    using harfnur::ichki::kirillHarfmi;
    for (const char* b : {"я", "Ў", "ҳ", "і", "\u0400", "\u04FF"}) EXPECT_TRUE(kirillHarfmi(b)) << b;
    for (const char* b : {"a", "ԁ", "и\u0306", "\u03FF", "\u0500", "😀"}) EXPECT_FALSE(kirillHarfmi(b)) << b;
}

TEST(Lotin, Examples) {
    tekshir({
        {"o'g'il", "öğil"},       {"O'G'IL", "ÖĞIL"},       {"O'g'il", "Öğil"},
        {"O'ZBEKISTON", "ÖZBEKISTON"}, {"to'g'ri", "töğri"}, {"oʻgʻil", "öğil"},
        {"o‘g‘il", "öğil"},       {"qo’l", "qöl"},          {"g`oya", "ğoya"},
        {"boʼl", "boʼl"},         {"bo'", "bö"},            {"'radio'", "'radiö"},
        {"'o'", "'o'"},           {"o' ", "o' "},           {"sh", "ş"},
        {"Sh", "Ş"},              {"SH", "Ş"},              {"sH", "ş"},
        {"CHoy", "Çoy"},          {"cHoy", "çoy"},          {"kech", "keç"},
        {"ch'", "ç'"},            {"SHH", "ŞH"},            {"s'h", "sʼh"},
        {"Is'hoq", "Isʼhoq"},     {"ta'lim", "taʼlim"},     {"maʻno", "maʼno"},
        {"mo‘’jiza", "möʼjiza"},  {"bo''lak", "böʼlak"},    {"o''zbek", "o'ʼzbek"},
        {"a'", "a'"},             {" 'a", " 'a"},           {"a''b", "a''b"},
        {"g'ʻ", "ğʻ"},            {"ming", "ming"},         {"o´g", "o´g"},
        {"o\u02BDg", "o\u02BDg"},
    });
}

TEST(Lotin, EveryMarkInEveryRule) {
    const std::vector<std::string> belgilar = {"\u02BB", "'", "\u2018", "\u2019", "`"};
    for (const auto& b : belgilar) {
        tekshir({
            {"o" + b + "g" + b + "il", "öğil"},
            {"O" + b + "G" + b + "IL", "ÖĞIL"},
            {"bo" + b, "bö"},                    // only a letter before
            {b + "o" + b + "q", b + "ö" + "q"},  // only a letter after
            {"ta" + b + "lim", "taʼlim"},
            {"s" + b + "h", "sʼh"},
            {"bo" + b + b + "lak", "böʼlak"},
            {"to" + b + " ", "tö "},
        });
    }
    // Neither U+02BC nor look-alikes outside the sets act as marks.
    for (const std::string b : {"\u02BC", "\u02BD", "\u00B4", "\"", "\u201C"}) {
        tekshir({{"o" + b + "g" + b + "il", "o" + b + "g" + b + "il"}});
    }
    tekshir({{"ta\u02BDlim", "ta\u02BDlim"}, {"taʼlim", "taʼlim"}});
}

TEST(Lotin, CaseComesFromTheFirstLetterOnly) {
    tekshir({
        {"O'", "O'"},  // no letter on either side
        {"xO'", "xÖ"}, {"xo'", "xö"}, {"xG`", "xĞ"},
        {"Ch", "Ç"},   {"CH", "Ç"},   {"ch", "ç"}, {"cH", "ç"},
        {"ŞH", "ŞH"},  // already converted: no rule
        {"O\u0308'z", "O\u0308ʼz"},  // decomposed Ö is no o, but a letter
    });
}

TEST(Lotin, PrecomposedAndDecomposedAreOne) {
    // A mark with a combining accent is a different Character.
    tekshir({{"o'\u0301g", "o'\u0301g"}, {"s\u0301h", "s\u0301h"}, {"sh\u0301", "sh\u0301"}});
}

// Each `kirill` entry: alone lower, capital before a lower-case letter,
// capital before a capital, capital alone.
TEST(Kirill, EveryEntryInEveryCase) {
    struct Qator {
        const char *kichik, *katta, *lotin, *bosh, *hammasi;
    };
    const Qator qatorlar[] = {
        {"а", "А", "a", "A", "A"},   {"б", "Б", "b", "B", "B"},   {"в", "В", "v", "V", "V"},
        {"г", "Г", "g", "G", "G"},   {"д", "Д", "d", "D", "D"},   {"ё", "Ё", "yo", "Yo", "YO"},
        {"ж", "Ж", "j", "J", "J"},   {"з", "З", "z", "Z", "Z"},   {"и", "И", "i", "I", "I"},
        {"й", "Й", "y", "Y", "Y"},   {"к", "К", "k", "K", "K"},   {"л", "Л", "l", "L", "L"},
        {"м", "М", "m", "M", "M"},   {"н", "Н", "n", "N", "N"},   {"о", "О", "o", "O", "O"},
        {"п", "П", "p", "P", "P"},   {"р", "Р", "r", "R", "R"},   {"с", "С", "s", "S", "S"},
        {"т", "Т", "t", "T", "T"},   {"у", "У", "u", "U", "U"},   {"ф", "Ф", "f", "F", "F"},
        {"х", "Х", "x", "X", "X"},   {"ч", "Ч", "ç", "Ç", "Ç"},   {"ш", "Ш", "ş", "Ş", "Ş"},
        {"щ", "Щ", "şç", "Şç", "ŞÇ"}, {"ъ", "Ъ", "ʼ", "ʼ", "ʼ"},  {"ы", "Ы", "i", "I", "I"},
        {"ь", "Ь", "", "", ""},      {"э", "Э", "e", "E", "E"},   {"ю", "Ю", "yu", "Yu", "YU"},
        {"я", "Я", "ya", "Ya", "YA"}, {"ў", "Ў", "ö", "Ö", "Ö"},   {"қ", "Қ", "q", "Q", "Q"},
        {"ғ", "Ғ", "ğ", "Ğ", "Ğ"},   {"ҳ", "Ҳ", "h", "H", "H"},
    };
    ASSERT_EQ(std::size(qatorlar), 35u);
    const auto& jadval = harfnur::ichki::kirill();
    ASSERT_EQ(jadval.size(), 35u);
    for (std::size_t i = 0; i < 35; ++i) {
        const Qator& q = qatorlar[i];
        const std::string l = q.lotin, b = q.bosh, h = q.hammasi;
        EXPECT_EQ(jadval[i].first, q.kichik);
        tekshir({
            {std::string("да") + q.kichik, "da" + l},
            {std::string(q.katta) + "ма", b + "ma"},
            {std::string(q.katta) + "МА", h + "MA"},
            {std::string("ДА") + q.katta, "DA" + b},    // nothing after: capital initial
            {std::string(q.katta) + " ма", b + " ma"},  // a blank after
            {std::string(q.katta) + "5ма", b + "5ma"},
        });
    }
}

TEST(Kirill, WorkedExamples) {
    tekshir({
        {"мева", "meva"},         {"поезд", "poyezd"},   {"ер", "yer"},
        {"(ер)", "(yer)"},        {"объект", "obʼyekt"}, {"пьеса", "pyesa"},
        {"цирк", "sirk"},         {"концерт", "konsert"}, {"милиция", "militsiya"},
        {"Ўзбекистон", "Özbekiston"}, {"Юрак", "Yurak"}, {"ЮРАК", "YURAK"},
        {"ОБЪЕКТ", "OBʼYEKT"},    {"ДУНЁ", "DUNYo"},     {"Ёш", "Yoş"},
        {"Ь", ""},                {"щи", "şçi"},
    });
}

TEST(Kirill, EAndTsByTheLetterBefore) {
    tekshir({
        {"Е ма", "Ye ma"},   {"Ер", "Yer"},      {"ЕР", "YER"},
        {"ʼерак", "ʼerak"},  // U+02BC is a letter, no vowel
        {"'ерак", "'yerak"}, // U+0027 is no letter
        {"aер", "aer"},      // a Latin vowel is no Cyrillic vowel
        {"ёе", "yoye"},      {"ўе", "öye"},       {"ЮЕ", "YUYe"},
        {"ЪЕР", "ʼYER"},      {"Ь ер", " yer"},
        {"Ц", "S"},          {"ЦА", "SA"},        {"АЦ", "ATs"},
        {"МИЛИЦИЯ", "MILITSIYa"}, {"aца", "asa"}, {"ьцa", "sa"},
        {"оЦ", "oTs"},       {"оЦа", "oTsa"},     {"оЦА", "oTSA"},
    });
}

TEST(Kirill, CaseAndEquivalentForms) {
    tekshir({
        {"Ы", "I"},                       {"ы", "i"},
        {"і ш", "і ş"},                   {"ң ш", "ң ş"},  // letters no row converts
        {"5 ш", "5 ş"},
        {"а\u0301шш", "а\u0301şş"},       // а with an accent matches nothing
        {"и\u0306шш", "yşş"},              // decomposed й is й
        {"е\u0308шш", "yoşş"},             // decomposed ё
        {"у\u0306шш", "öşş"},              // decomposed ў
        {"И\u0306ШШ", "YŞŞ"},
        {"ЁШ", "YOŞ"},                     {"Ё.", "Yo."},
    });
}

TEST(Tables, ExactMembers) {
    using namespace harfnur::ichki;
    EXPECT_EQ(okina(), (BelgiTuplami{"\u02BB", "'", "\u2018", "\u2019", "`"}));
    EXPECT_EQ(tutuqlar(), (BelgiTuplami{"\u02BB", "'", "\u2018", "\u2019", "`", "\u02BC"}));
    EXPECT_EQ(kirillUnlilar(), (BelgiTuplami{"\u0430", "\u0435", "\u0451", "\u0438", "\u043E", "\u0443",
                                             "\u044D", "\u044E", "\u044F", "\u045E"}));
    // Keys by code point, so a look-alike typed into the table is caught.
    const char32_t kodlar[] = {0x430, 0x431, 0x432, 0x433, 0x434, 0x451, 0x436, 0x437, 0x438,
                               0x439, 0x43A, 0x43B, 0x43C, 0x43D, 0x43E, 0x43F, 0x440, 0x441,
                               0x442, 0x443, 0x444, 0x445, 0x447, 0x448, 0x449, 0x44A, 0x44B,
                               0x44C, 0x44D, 0x44E, 0x44F, 0x45E, 0x49B, 0x493, 0x4B3};
    for (std::size_t i = 0; i < 35; ++i) {
        const std::string& k = kirill()[i].first;
        ASSERT_EQ(k.size(), 2u);
        const char32_t kod = char32_t((k[0] & 0x1F) << 6 | (k[1] & 0x3F));
        EXPECT_EQ(kod, kodlar[i]) << i;
    }
}

TEST(InvalidBytes, PassUnchangedAndSplitCharacters) {
    tekshir({
        {"\xFF", "\xFF"},
        {"sh\xFF", "ş\xFF"},
        {"s\xFFh", "s\xFFh"},                  // no longer neighbours
        {"o\x80'zbek", "o\x80'zbek"},
        {"\xC3o'g'il\xC3", "\xC3öğil\xC3"},
        {"\xED\xA0\x80sh", "\xED\xA0\x80ş"},   // an encoded surrogate
        {"\xF4\x90\x80\x80" "ch", "\xF4\x90\x80\x80" "ç"},
        {"\xC0\xAFsh", "\xC0\xAFş"},           // overlong
        {"\xFFшаҳар\xFE", "\xFFşahar\xFE"},
        {"Ш\xFFО", "Ş\xFFO"},                   // Ш sees no letter after it
        {"Ё\xFFЁ", "Yo\xFFYo"},
        {"\xFF\u0301ш", "\xFF\u0301ş"},         // the mark starts a Character of its own
        {"sh\xE2\x80", "ş\xE2\x80"},           // truncated sequence at the end
        // Thirty-two one-byte Characters in a row after Cyrillic.
        {"ўзб" + std::string(40, '.'), "özb" + std::string(40, '.')},
        // A lead byte right before another lead, inside a word of Cyrillic.
        {"\xd0\x8e\xd0\xb7\xd0\xb1\xd0\xb5\xd0\xd0\xba\xd0\xb8\xd1\x81\xd1\xd0\xbe\xd0",
         "\xc3\x96zbe\xd0kis\xd1o\xd0"},
    });
}

TEST(InvalidBytes, CountAsCharactersButNoLetters) {
    EXPECT_EQ(harfnur::belgiSoni("a\xFF\xFE"), 3u);
    EXPECT_EQ(harfnur::belgiSoni("e\u0301"), 1u);
    EXPECT_EQ(harfnur::belgiSoni("\r\n"), 1u);
    EXPECT_EQ(harfnur::belgiSoni("👩‍💻"), 1u);
    const auto s = harfnur::ichki::harflarniSana("\xD0\xD0\xD0 a");
    EXPECT_EQ(s.kirill, 0u);
    EXPECT_EQ(s.boshqa, 1u);
}

TEST(Equivalence, TextsCompareCanonically) {
    EXPECT_TRUE(harfnur::tengmi("ö", "o\u0308"));
    EXPECT_FALSE(harfnur::tengmi("ö", "o"));
    EXPECT_FALSE(harfnur::tengmi("\xFF", "\xFE"));  // both would read as U+FFFD
    EXPECT_TRUE(harfnur::tengmi("\xFF", "\xFF"));
}

}  // namespace
