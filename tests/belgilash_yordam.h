// The markup of an HTML document: tags, comments, doctypes and whatever an
// element that is never converted holds, in order, with the character data
// left out. Written apart from the converter's reader, to the same rules of
// where markup ends, so that one checks the other.
#pragma once

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace harfnur::sinov {

inline std::vector<std::string> belgilash(std::string_view h) {
    constexpr auto yoq = std::string_view::npos;
    const std::size_t n = h.size();
    auto bosliq = [](char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f'; };
    auto harf = [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); };
    auto kichik = [](char c) { return c >= 'A' && c <= 'Z' ? char(c + 32) : c; };
    auto keyingi = [&](std::size_t j, std::string_view s) {
        const std::size_t e = h.find(s, j);
        return e == yoq ? n : e + s.size();
    };
    // The letters from j, lower case, and where they stop.
    auto soz = [&](std::size_t& j) {
        std::string s;
        while (j < n && harf(h[j])) s += kichik(h[j++]);
        return s;
    };
    auto tugatuvchi = [&](std::size_t j) { return j < n && (bosliq(h[j]) || h[j] == '/' || h[j] == '>'); };
    auto yopuvchimi = [&](std::size_t j, std::string_view nom) {
        if (h.substr(j, 2) != "</") return false;
        j += 2;
        return soz(j) == nom && tugatuvchi(j);
    };
    auto xomOxiri = [&](std::size_t j, std::string_view nom) {
        for (; (j = h.find('<', j)) != yoq; ++j)
            if (yopuvchimi(j, nom)) return j;
        return n;
    };
    // "<!--" opens an escape in a script; "<script" inside it, a second one
    // that "</script" only closes back to the first.
    auto skriptOxiri = [&](std::size_t j) {
        int qochish = 0;  // 0 none, 1 escaped, 2 doubly
        int chiziqlar = 0;
        while (j < n) {
            const char c = h[j];
            if (qochish == 0) {
                if (yopuvchimi(j, "script")) return j;
                if (h.substr(j, 4) == "<!--") {
                    qochish = 1;
                    chiziqlar = 2;
                    j += 4;
                    continue;
                }
            } else if (c == '-') {
                ++chiziqlar;
            } else if (c == '>' && chiziqlar >= 2) {
                qochish = chiziqlar = 0;
            } else if (c == '<' && qochish == 1 && yopuvchimi(j, "script")) {
                return j;
            } else if (c == '<' && (qochish == 1 ? j + 1 < n && harf(h[j + 1]) : j + 1 < n && h[j + 1] == '/')) {
                std::size_t k = j + (qochish == 1 ? 1 : 2);
                const std::string s = soz(k);
                if (k >= n) return n;
                chiziqlar = 0;
                if (!tugatuvchi(k)) {
                    j = k;
                    continue;
                }
                if (s == "script") qochish = 3 - qochish;
                j = k + 1;
                continue;
            } else {
                chiziqlar = 0;
            }
            ++j;
        }
        return n;
    };

    std::vector<std::string> r;
    int yot = 0;
    for (std::size_t i = 0; (i = h.find('<', i)) != yoq;) {
        if (i + 1 >= n) break;
        const char c = h[i + 1];
        std::size_t j = i + 2;
        std::string nom;
        bool yopuvchi = false, ozidanYopiq = false;
        if (h.substr(i, 4) == "<!--") {
            // Comment start, start dash, comment, end dash, end, end bang.
            int s = 0;
            for (j = i + 4; j < n; ++j) {
                const char d = h[j];
                if (d == '>' && (s <= 1 || s == 4 || s == 5)) break;
                if (d == '-') s = s == 0 ? 1 : (s == 1 || s == 3 || s == 4) ? 4 : 3;
                else if (d == '!' && s == 4) s = 5;
                else s = 2;
            }
            j = j < n ? j + 1 : n;
        } else if (c == '!' && yot > 0 && h.substr(i, 9) == "<![CDATA[") {
            j = keyingi(i + 9, "]]>");
        } else if (c == '!' || c == '?' || (c == '/' && j < n && !harf(h[j]) && h[j] != '>')) {
            j = keyingi(i + 2, ">");
        } else if (c == '/' && j < n && h[j] == '>') {
            j = i + 3;
        } else if (harf(c) || (c == '/' && j < n && harf(h[j]))) {
            yopuvchi = c == '/';
            j = i + (yopuvchi ? 2 : 1);
            while (j < n && !bosliq(h[j]) && h[j] != '/' && h[j] != '>') nom += kichik(h[j++]);
            for (;;) {
                for (; j < n && (bosliq(h[j]) || h[j] == '/'); ++j) ozidanYopiq = h[j] == '/';
                if (j >= n) break;
                if (h[j] == '>') {
                    ++j;
                    break;
                }
                ozidanYopiq = false;
                for (++j; j < n && !bosliq(h[j]) && h[j] != '/' && h[j] != '>' && h[j] != '='; ++j) {
                }
                while (j < n && bosliq(h[j])) ++j;
                if (j >= n || h[j] != '=') continue;
                for (++j; j < n && bosliq(h[j]);) ++j;
                if (j < n && (h[j] == '"' || h[j] == '\'')) {
                    const std::size_t e = h.find(h[j], j + 1);
                    j = e == yoq ? n : e + 1;
                } else {
                    while (j < n && !bosliq(h[j]) && h[j] != '>') ++j;
                }
            }
        } else {
            ++i;
            continue;
        }
        r.emplace_back(h.substr(i, j - i));
        i = j;
        if (nom == "svg" || nom == "math") yot += yopuvchi ? (yot > 0 ? -1 : 0) : (ozidanYopiq ? 0 : 1);
        if (yopuvchi || nom.empty()) continue;
        std::size_t e = i;
        if (nom == "script") e = skriptOxiri(i);
        else if (nom == "plaintext") e = n;
        else if (nom == "textarea") i = xomOxiri(i, nom);  // its text is converted
        else if (nom == "style" || nom == "xmp" || nom == "iframe" || nom == "noembed" || nom == "noframes" ||
                 nom == "noscript" || nom == "title")
            e = xomOxiri(i, nom);
        if (e > i) r.emplace_back(h.substr(i, e - i));
        i = std::max(i, e);
    }
    return r;
}

}  // namespace harfnur::sinov
