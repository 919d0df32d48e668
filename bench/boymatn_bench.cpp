// A rich selection converted in place: Harfnur's own share of a conversion.
#include <benchmark/benchmark.h>

// ---- HTML ----

#include <string>
#include <string_view>

#include "bench/matnlar.h"
#include "boymatn/html.h"

namespace {

// About 1 MB as Chromium puts a web page's selection on the clipboard:
// paragraphs of styled spans, bold words and links, and now and then a table.
std::string htmlTanlov() {
    const std::string matn = harfnur::bench::lotinMatn(1u << 20);
    const std::string uslub =
        " style=\"color: rgb(32, 33, 36); font-family: Roboto, Arial, sans-serif; font-size: 16px;\"";
    std::size_t i = 0;
    auto soz = [&](std::size_t n) {  // about n bytes of text, up to a blank
        const std::size_t e = std::min(matn.find(' ', std::min(i + n, matn.size())), matn.size());
        const std::string_view s = std::string_view(matn).substr(i, e - i);
        i = e;
        return s;
    };
    std::string h = "<meta charset='utf-8'>";
    for (std::size_t k = 0; h.size() < (1u << 20) && i < matn.size(); ++k) {
        if (k % 8 == 7) {
            h += "<table><tbody>";
            for (int q = 0; q < 10; ++q) {
                h += "<tr>";
                for (int u = 0; u < 3; ++u) (h += "<td" + uslub + ">") += soz(30), h += "</td>";
                h += "</tr>";
            }
            h += "</tbody></table>";
            continue;
        }
        ((((h += "<p" + uslub + "><span" + uslub + ">") += soz(120)) += "</span> <b>") += soz(10)) += "</b> ";
        (((h += "<a href=\"https://example.com/\">") += soz(20)) += "</a><span>") += soz(200);
        h += "</span></p>";
    }
    return h;
}

void BM_html_ogir(benchmark::State& s) {
    const std::string h = htmlTanlov();
    for (auto _ : s) {
        auto r = harfnur::boymatn::htmlOgir(h);
        benchmark::DoNotOptimize(r->data());
    }
    s.SetBytesProcessed(std::int64_t(s.iterations()) * std::int64_t(h.size()));
}
BENCHMARK(BM_html_ogir)->Unit(benchmark::kMillisecond)->MinTime(1.0);

}  // namespace

// ---- RTF ----

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

#include "bench/matnlar.h"
#include "boymatn/rtf.h"
#include "engine/utf8.h"

namespace {

// Text as Word writes it under \ansicpg1251: a letter of the code page as
// \'hh, one it lacks (қ ғ ҳ) as \uN with '?' for readers without Unicode.
void wordMatni(std::string_view t, std::string& r) {
    for (std::size_t i = 0; i < t.size();) {
        const auto s = harfnur::utf8::ochish(t, i);
        i += s.uzunlik ? s.uzunlik : 1;
        const char32_t k = s.kod;
        if (k < 0x80) {
            if (k == '\\' || k == '{' || k == '}') r += '\\';
            r += char(k);
            continue;
        }
        int b = -1;
        if (k >= 0x410 && k <= 0x44F) b = int(k - 0x410 + 0xC0);
        if (k == 0x40E || k == 0x45E) b = k == 0x40E ? 0xA1 : 0xA2;  // Ў ў
        char hex[8];
        if (b >= 0) {
            std::snprintf(hex, sizeof hex, "\\'%02x", b);
            r += hex;
        } else {
            (r += "\\u") += std::to_string(std::uint32_t(k)) + "\\'3f";
        }
    }
}

// About 1 MB as Word puts a selection of Cyrillic Uzbek on the clipboard:
// runs of one to three words, each with its own properties, every sentence a
// paragraph.
std::string rtfTanlov(bool kirill) {
    const std::string matn = kirill ? harfnur::bench::kirillMatn(1u << 20) : harfnur::bench::lotinMatn(1u << 20);
    std::string r =
        "{\\rtf1\\adeflang1025\\ansi\\ansicpg1251\\uc1\\adeff31507\\deff0\\deflang1049{\\fonttbl"
        "{\\f0\\fbidi \\froman\\fcharset204\\fprq2{\\*\\panose 02020603050405020304}Times New Roman;}"
        "{\\f31506\\fbidi \\fswiss\\fcharset204\\fprq2 Calibri;}}\r\n{\\colortbl;\\red0\\green0\\blue0;}"
        "{\\*\\generator Microsoft Word 16.0;}\r\n\\pard\\plain \\ltrpar\\ql \\f31506\\fs22\\lang1049 ";
    std::size_t i = 0;
    for (std::size_t k = 0; r.size() < (1u << 20) && i < matn.size(); ++k) {
        std::size_t e = i;
        for (std::size_t s = 0; s <= k % 3 && e < matn.size(); ++s)
            e = std::min(matn.find_first_of(" \n", e + 1), matn.size());
        const bool oxirgi = e < matn.size() && matn[e] == '\n';
        r += "{\\rtlch\\fcs1 \\af31507 \\ltrch\\fcs0 ";
        r += k % 4 == 3 ? "\\b\\insrsid2 " : "\\insrsid1 ";
        r += "\\hich\\af31506\\dbch\\af31505\\loch\\f31506 ";
        wordMatni(std::string_view(matn).substr(i, e - i), r);
        r += oxirgi ? "}\\par\r\n" : "}";
        i = e + (e < matn.size() && matn[e] == '\n');
    }
    return r + "}";
}

void rtfBench(benchmark::State& s, bool kirill) {
    const std::string h = rtfTanlov(kirill);
    for (auto _ : s) {
        auto r = harfnur::boymatn::rtfOgir(h);
        benchmark::DoNotOptimize(r->data());
    }
    s.SetBytesProcessed(std::int64_t(s.iterations()) * std::int64_t(h.size()));
}
BENCHMARK_CAPTURE(rtfBench, kirill, true)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK_CAPTURE(rtfBench, lotin, false)->Unit(benchmark::kMillisecond)->MinTime(1.0);

}  // namespace
