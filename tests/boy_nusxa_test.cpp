// Rich copies: what goes back converted beside the plain text, when the
// paste is refused so nothing is lost, and when the clipboard comes back.
#include <gtest/gtest.h>

#include <algorithm>

#include "pipeline/boy_nusxa.h"
#include "pipeline/imlochi.h"
#include "pipeline/shift_kuzatuvchi.h"
#include "sim_yordam.h"

namespace {

using namespace harfnur;
using port::Mikro;
using ms = std::chrono::milliseconds;
using Turlar = std::vector<std::pair<std::string, std::string>>;

struct Ogirish : sinov::Muhit {
    std::shared_ptr<ShiftKuzatuvchi> k = ShiftKuzatuvchi::yarat(m.platforma);
    Mikro t0 = m.soat.hozir();
    Turlar avval{{sim::matnTuri, "avvalgi"}, {"image/png", std::string("\x89PNG\r\n\x1a\n\0", 9)}};
    Ogirish() {
        k->boshla();
        m.bufer.boshqasiYozdi({avval});
    }
    void ikkiMarta() {
        m.ikkiMartaShift(1.0);
        m.navbat.kut();
    }
    std::vector<Mikro> qachon(const std::string& nima) {
        std::vector<Mikro> r;
        for (const auto& v : m.soat.voqealar())
            if (v.nima == nima) r.push_back(v.vaqt - t0);
        return r;
    }
    std::string oxirgiJurnal() { return sinov::xabarlar(jurnal).back(); }
    std::string pasted(const std::string& tur) {
        for (const auto& [t, b] : m.ilova.qoyilgan().turlar)
            if (t == tur) return b;
        return "(yo'q)";
    }
};

const std::string pasteKey = "tugma: 9 1048576", allKey = "tugma: 0 1048576";

TEST(BoyNusxa, RichRepresentationsGoBackConvertedBesideThePlainText) {
    const std::string rtf = R"({\rtf1\ansi\ansicpg1252{\fonttbl{\f0 Arial;}}\f0 {\b o}'zbek shahar\par})";
    const std::string html = "<p><b>o</b>&#8217;zbek <img src=\"data:image/png;base64,c2hhaGFy\"> shahar</p>";
    Ogirish o;
    o.m.ilova.maydon("o'zbek shahar", 0, 14);
    o.m.ilova.nusxaQoshimchasi({{"text/html", html},
                                {"text/rtf", rtf},
                                {"image/png", "rasm"},
                                {"application/x-openoffice-embed-source-xml", "hujjat"}});
    o.ikkiMarta();
    EXPECT_EQ(o.m.ilova.matn(), "özbek şahar");
    const Turlar qoyilgan = o.m.ilova.qoyilgan().turlar;
    std::vector<std::string> turlar;
    for (const auto& [t, _] : qoyilgan) turlar.push_back(t);
    // Richest first, plain text last; the picture and the private document
    // are not offered, so the target takes the RTF or HTML that hold them.
    EXPECT_EQ(turlar, (std::vector<std::string>{"text/rtf", "text/html", sim::matnTuri}));
    const std::string r = o.pasted("text/rtf");
    EXPECT_TRUE(r.starts_with(R"({\rtf1\ansi\ansicpg1252{\fonttbl{\f0 Arial;}}\f0 {\b \u246)")) << r;
    EXPECT_NE(r.find(R"(\u351)"), std::string::npos) << r;
    EXPECT_EQ(r.find("}'zbek"), std::string::npos) << r;
    EXPECT_NE(o.pasted("text/html").find("<b>ö</b>zbek <img src=\"data:image/png;base64,c2hhaGFy\"> şahar"),
              std::string::npos)
        << o.pasted("text/html");
    EXPECT_EQ(o.m.bufer.mazmun().turlar, o.avval);
}

TEST(BoyNusxa, RefusesToPasteWhatWouldLoseContent) {
    struct Hol {
        const char* nima;
        Turlar qoshimcha;
        std::string jurnal;
    };
    const Hol hollar[] = {
        {"a picture with no rich text to carry it", {{"image/png", "rasm"}}, "qo'yilmadi: image/png saqlanmaydi"},
        {"a document format with no rich text", {{"application/x-openoffice-embed-source-xml", "x"}},
         "qo'yilmadi: application/x-openoffice-embed-source-xml saqlanmaydi"},
        {"RTF beside the RTFD that holds its attachments",
         {{"public.rtf", R"({\rtf1\ansi shahar})"}, {"com.apple.flat-rtfd", "rtfd"}},
         "qo'yilmadi: com.apple.flat-rtfd saqlanmaydi"},
        {"RTF that cannot be read without guessing", {{"text/rtf", R"({\rtf1\ansi\ansicpg9999 \'e0})"}},
         "qo'yilmadi: text/rtf o'girilmadi"},
        {"a file list", {{"text/uri-list", "file:///tmp/shahar"}}, "qo'yilmadi: text/uri-list saqlanmaydi"},
    };
    for (const Hol& h : hollar) {
        SCOPED_TRACE(h.nima);
        Ogirish o;
        o.m.ilova.maydon("shahar", 0, 0);
        o.m.ilova.nusxaQoshimchasi(h.qoshimcha);
        o.ikkiMarta();
        EXPECT_EQ(o.oxirgiJurnal(), h.jurnal);
        EXPECT_TRUE(o.qachon(pasteKey).empty());
        EXPECT_EQ(o.m.ilova.matn(), "shahar");
        EXPECT_EQ(o.m.bufer.mazmun().turlar, o.avval);
    }
}

TEST(BoyNusxa, TheClipboardComesBackOnlyAfterTheTargetReadsThePaste) {
    struct Hol {
        Mikro kechikish;
        Mikro qaytdi;  // from the tap
        bool jurnal;
    };
    // The paste key at 550 ms (nothing selected), read at once or late; with
    // no read at all, the clipboard comes back 3 s later and it is logged.
    const Hol hollar[] = {
        {ms(0), ms(1100), false},
        {ms(1500), ms(550 + 1500 + 500), false},
        {ms(10'000), ms(600 + 3000 + 500), true},
    };
    for (const Hol& h : hollar) {
        SCOPED_TRACE(h.kechikish.count());
        Ogirish o;
        o.m.ilova.maydon("shahar", 0, 0);
        o.m.ilova.qoyishKechikishi(h.kechikish);
        o.ikkiMarta();
        EXPECT_EQ(o.qachon(pasteKey), std::vector<Mikro>{ms(550)});
        EXPECT_EQ(o.qachon("bufer: qaytarildi"), std::vector<Mikro>{h.qaytdi});
        EXPECT_EQ(o.oxirgiJurnal() == "qo'yish: bufer 3 s ichida o'qilmadi", h.jurnal);
        if (h.kechikish < ms(3000)) {
            EXPECT_EQ(o.m.ilova.matn(), "şahar");
        }
        o.m.soat.olgaSur(ms(10'000));
        EXPECT_EQ(o.m.bufer.mazmun().turlar, o.avval);
    }
}

TEST(BoyNusxa, AnEditorsCopyOfTheCurrentLineIsNoSelection) {
    Ogirish o;
    o.m.ilova.maydon("shahar\nchoy", 2, 2);
    o.m.ilova.qatorNusxalaydi(true);
    o.ikkiMarta();
    // The line copy did change the clipboard, so no 400 ms wait: select-all
    // follows the first copy's settle, and the whole field is converted once.
    EXPECT_EQ(o.qachon(allKey), std::vector<Mikro>{ms(50)});
    EXPECT_EQ(o.m.ilova.matn(), "şahar\nçoy");
}

TEST(BoyNusxa, WhatCouldNotBeListedIsNotGuessed) {
    // Not even the list of types came: a rich selection is possible.
    port::BuferNusxasi n;
    n.oqilmadi = 1;
    EXPECT_EQ(boylarniOgir(n, false).rad, "turlar o'qilmadi");
    // A type listed but not given in time is no more known.
    port::BuferNusxasi h{{}, 1, {"text/plain", "text/html"}};
    EXPECT_EQ(boylarniOgir(h, false).rad, "text/html o'qilmadi");
    // Several items cannot go back as one.
    port::BuferNusxasi b{{{"text/plain", "a"}}, 0, {"text/plain", "", "text/plain"}};
    EXPECT_EQ(boylarniOgir(b, false).rad, "bir necha band");
}

TEST(BoyNusxa, TypeClasses) {
    const std::pair<const char*, TurSinfi> hollar[] = {
        {"text/plain;charset=utf-8", TurSinfi::matn}, {"UTF8_STRING", TurSinfi::matn},
        {"#13", TurSinfi::matn},                      {"public.utf8-plain-text", TurSinfi::matn},
        {"text/html", TurSinfi::html},                {"public.html", TurSinfi::html},
        {"HTML Format", TurSinfi::cfHtml},            {"Rich Text Format", TurSinfi::rtf},
        {"text/richtext", TurSinfi::rtf},             {"public.rtf", TurSinfi::rtf},
        {"com.apple.flat-rtfd", TurSinfi::boyroq},    {"com.apple.webarchive", TurSinfi::boyroq},
        {"image/svg+xml", TurSinfi::hujjat},          {"#8", TurSinfi::hujjat},
        {"public.tiff", TurSinfi::hujjat},            {"Art::GVML ClipFormat", TurSinfi::hujjat},
        {"application/vnd.oasis.opendocument.text", TurSinfi::hujjat},
        {"vscode-editor-data", TurSinfi::belgi},      {"TIMESTAMP", TurSinfi::belgi},
        {"x-kde-passwordManagerHint", TurSinfi::belgi}, {"#16", TurSinfi::belgi},
    };
    for (const auto& [nom, sinf] : hollar) EXPECT_EQ(turSinfi(nom), sinf) << nom;
}

TEST(BoyNusxa, EmptySelectionMarks) {
    auto utf16 = [](std::string_view s) {
        std::string r;
        for (const char c : s) {
            r.push_back(c);
            r.push_back('\0');
        }
        return r;
    };
    const std::pair<Turlar, bool> hollar[] = {
        {{{"vscode-editor-data", R"({"version":1,"isFromEmptySelection":true})"}}, true},
        {{{"vscode-editor-data", R"({"version":1,"isFromEmptySelection":false})"}}, false},
        // Electron on X11 keeps it in Chromium's custom data, in UTF-16.
        {{{"chromium/x-web-custom-data",
            std::string("\x01\0\0\0", 4) + utf16("vscode-editor-data") + utf16(R"({"isFromEmptySelection":true})")}},
         true},
        // The same words in the copied text are not a mark.
        {{{sim::matnTuri, R"("isFromEmptySelection":true)"}}, false},
    };
    for (const auto& [turlar, ha] : hollar) EXPECT_EQ(bosTanlovdanmi({turlar}), ha);
}

}  // namespace
