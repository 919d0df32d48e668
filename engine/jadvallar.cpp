#include "engine/jadvallar.h"

namespace harfnur::ichki {

const BelgiTuplami& okina() {
    static const BelgiTuplami t = [] {
        BelgiTuplami r;
        r.reserve(5);
        for (const char* b : {"\u02BB", "'", "\u2018", "\u2019", "`"}) r.emplace_back(b);
        return r;
    }();
    return t;
}

const BelgiTuplami& tutuqlar() {
    static const BelgiTuplami t = [] {
        BelgiTuplami r = okina();
        r.emplace_back("\u02BC");
        return r;
    }();
    return t;
}

const KirillXaritasi& kirill() {
    static const KirillXaritasi t = [] {
        static const char* const juftlar[][2] = {
            {"а", "a"},  {"б", "b"},  {"в", "v"},  {"г", "g"},  {"д", "d"},  {"ё", "yo"}, {"ж", "j"},
            {"з", "z"},  {"и", "i"},  {"й", "y"},  {"к", "k"},  {"л", "l"},  {"м", "m"},  {"н", "n"},
            {"о", "o"},  {"п", "p"},  {"р", "r"},  {"с", "s"},  {"т", "t"},  {"у", "u"},  {"ф", "f"},
            {"х", "x"},  {"ч", "ç"},  {"ш", "ş"},  {"щ", "şç"}, {"ъ", "ʼ"},  {"ы", "i"},  {"ь", ""},
            {"э", "e"},  {"ю", "yu"}, {"я", "ya"}, {"ў", "ö"},  {"қ", "q"},  {"ғ", "ğ"},  {"ҳ", "h"},
        };
        KirillXaritasi r;
        r.reserve(std::size(juftlar));
        for (const auto& j : juftlar) r.emplace_back(j[0], j[1]);
        return r;
    }();
    return t;
}

const BelgiTuplami& kirillUnlilar() {
    static const BelgiTuplami t = [] {
        BelgiTuplami r;
        r.reserve(10);
        for (const char* b : {"а", "е", "ё", "и", "о", "у", "э", "ю", "я", "ў"}) r.emplace_back(b);
        return r;
    }();
    return t;
}

int orni(const BelgiTuplami& t, std::string_view b) {
    for (std::size_t i = 0; i < t.size(); ++i)
        if (t[i] == b) return int(i);
    return -1;
}

int orni(const KirillXaritasi& t, std::string_view b) {
    for (std::size_t i = 0; i < t.size(); ++i)
        if (t[i].first == b) return int(i);
    return -1;
}

}  // namespace harfnur::ichki
