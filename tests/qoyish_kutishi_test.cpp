// The paste into LibreOffice waits out its stale list of clipboard formats.
#include <gtest/gtest.h>

#include "platform/linux/qoyish_kutishi.h"

namespace {

using harfnur::linux_::qoyishKutishi;
using ms = std::chrono::milliseconds;

TEST(QoyishKutishi, OnlyLibreOfficeWaitsAndOnlyForWhatIsLeft) {
    struct Hol {
        std::vector<std::string> sinflar;
        ms beri, kutish;
    };
    const Hol hollar[] = {
        {{"libreoffice", "libreoffice-writer"}, ms(0), ms(2100)},
        {{"soffice", "soffice"}, ms(600), ms(1500)},
        {{"libreoffice", "libreoffice-calc"}, ms(2100), ms(0)},
        {{"libreoffice", "libreoffice-writer"}, ms(9000), ms(0)},
        {{"chromium", "chromium"}, ms(0), ms(0)},
        {{"gedit", "org.gnome.gedit"}, ms(0), ms(0)},
        {{}, ms(0), ms(0)},  // no front window
    };
    for (const Hol& h : hollar) EXPECT_EQ(qoyishKutishi(h.sinflar, h.beri), h.kutish) << h.beri.count();
}

}  // namespace
