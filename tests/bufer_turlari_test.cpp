// Which selection targets a snapshot keeps, and under which name.
#include <gtest/gtest.h>

#include "platform/linux/bufer_turlari.h"

namespace {

using namespace harfnur::linux_;

TEST(BuferTurlari, KeepsDataOncePlainTextAtItsBest) {
    const std::vector<std::string> brauzer{"TARGETS", "TIMESTAMP", "MULTIPLE", "SAVE_TARGETS", "UTF8_STRING",
                                           "COMPOUND_TEXT", "TEXT", "STRING", "text/plain", "text/plain;charset=utf-8",
                                           "text/html", "chromium/x-web-custom-data", "image/png",
                                           "application/x-qt-image", "PIXMAP", "text/x-moz-url"};
    const std::vector<std::string> latin1{"TARGETS", "STRING", "TEXT"};
    const std::vector<std::string> faqatMatn{"text/plain", "STRING"};
    struct Hol {
        std::string nom;
        const std::vector<std::string>& hammasi;
        std::optional<SaqlanadiganTur> kutilgan;
    };
    const Hol hollar[] = {
        {"TARGETS", brauzer, std::nullopt},
        {"TIMESTAMP", brauzer, std::nullopt},
        {"MULTIPLE", brauzer, std::nullopt},
        {"SAVE_TARGETS", brauzer, std::nullopt},
        {"PIXMAP", brauzer, std::nullopt},
        {"TEXT", brauzer, std::nullopt},
        {"COMPOUND_TEXT", brauzer, std::nullopt},
        {"application/x-qt-image", brauzer, std::nullopt},
        {"text/x-moz-url", brauzer, std::nullopt},
        {"", brauzer, std::nullopt},
        {"UTF8_STRING", brauzer, SaqlanadiganTur{"text/plain"}},
        {"STRING", brauzer, std::nullopt},      // UTF8_STRING says it better
        {"text/plain", brauzer, std::nullopt},  // the same
        {"text/plain;charset=utf-8", brauzer, SaqlanadiganTur{"text/plain;charset=utf-8"}},
        {"text/html", brauzer, SaqlanadiganTur{"text/html"}},
        {"chromium/x-web-custom-data", brauzer, SaqlanadiganTur{"chromium/x-web-custom-data"}},
        {"image/png", brauzer, SaqlanadiganTur{"image/png"}},
        {"STRING", latin1, SaqlanadiganTur{"text/plain", true}},
        {"text/plain", faqatMatn, SaqlanadiganTur{"text/plain"}},
        {"STRING", faqatMatn, std::nullopt},
    };
    for (const Hol& h : hollar) EXPECT_EQ(saqlanadiganTur(h.nom, h.hammasi), h.kutilgan) << h.nom;
}

TEST(BuferTurlari, Latin1BecomesUtf8) {
    EXPECT_EQ(latin1danUtf8(""), "");
    EXPECT_EQ(latin1danUtf8("abc"), "abc");
    EXPECT_EQ(latin1danUtf8("\xe7\x61y \xf6\xff"), "çay öÿ");
    EXPECT_EQ(latin1danUtf8(std::string("\0\x80", 2)), std::string("\0\xc2\x80", 3));
}

}  // namespace
