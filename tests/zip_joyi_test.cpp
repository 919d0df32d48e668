// Where a Windows program must not run from, and how the shell uses a
// platform's own check in place of the macOS one.
#include <gtest/gtest.h>

#include "qobiq_yordam.h"

namespace harfnur::sinov {
namespace {

TEST(ZipIchidami, ArchiveTemporaryFolders) {
    const std::vector<std::pair<std::string, bool>> yollar = {
        {R"(C:\Users\aziz\AppData\Local\Temp\Temp1_Harfnur-0.1.0-win64.zip\Harfnur\harfnur.exe)", true},
        {R"(C:\Users\aziz\AppData\Local\Temp\Temp12_harfnur.ZIP\harfnur.exe)", true},
        {R"(C:\Users\aziz\AppData\Local\Temp\7zO8C2A1F3B\harfnur.exe)", true},
        {R"(C:\Users\aziz\AppData\Local\Temp\Rar$EXa9876.12345\Harfnur\harfnur.exe)", true},
        {"C:/Users/aziz/AppData/Local/Temp/Temp1_h.zip/harfnur.exe", true},  // forward slashes too
        {R"(C:\Users\aziz\AppData\Local\Programs\Harfnur\harfnur.exe)", false},
        {R"(C:\Users\aziz\Downloads\Harfnur-0.1.0-win64\harfnur.exe)", false},  // extracted: fine
        {R"(C:\Temp\harfnur.exe)", false},
        {R"(C:\Users\aziz\Temp_notes.zip\harfnur.exe)", false},  // no number after Temp
        {R"(C:\Users\aziz\TempX1_a.zip\harfnur.exe)", false},
        {R"(C:\Users\aziz\Temp1_a.zip.bak\harfnur.exe)", false},
        {R"(C:\Users\aziz\7z\harfnur.exe)", false},
        {R"(C:\Users\aziz\Downloads\Temp1_a.zip)", false},  // the program's own name, not a folder
        {"", false},
    };
    for (const auto& [yol, ichida] : yollar) EXPECT_EQ(zipIchidami(yol), ichida) << yol;
}

TEST(ZipIchidami, PlatformCheckReplacesTheMacOsOne) {
    struct Holat {
        std::string yol;
        bool rad;
    };
    const std::vector<Holat> holatlar = {
        {R"(C:\Users\a\AppData\Local\Temp\Temp1_h.zip\harfnur.exe)", true},
        {"/Volumes/Harfnur/Harfnur.app", false},  // the macOS rule no longer applies
    };
    for (const Holat& h : holatlar) {
        Qobiq q;
        q.ilova.yol = h.yol;
        IlovaPlatformasi p = q.p;
        p.matnlar.joyXabari = "Avval arxivdan çiqaring";
        p.joyNotogrimi = zipIchidami;
        auto delegat = Ilova::yarat(p);
        q.ilova.ishlat([&] { delegat->ishgaTushdi(); });
        EXPECT_EQ(q.ilova.tugatildi, h.rad) << h.yol;
        ASSERT_EQ(q.ogohlantirish.korsatildi.size(), h.rad ? 1u : 0u) << h.yol;
        if (h.rad) {
            EXPECT_EQ(q.ogohlantirish.korsatildi[0].xabar, "Avval arxivdan çiqaring");
        }
        EXPECT_EQ(q.panel.oxirgiMenyu.empty(), h.rad);
    }
}

}  // namespace
}  // namespace harfnur::sinov
