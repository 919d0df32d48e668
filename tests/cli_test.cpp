// The built harfnur-ogir binary, run as a user would run it.
#include "tests/cli_yordam.h"

namespace {

using harfnur::sinov::Cli;
using harfnur::sinov::Natija;
namespace fs = std::filesystem;

TEST_F(Cli, ConvertsStandardInputAsOneText) {
    // Latin letters outnumber Cyrillic ones, so the Cyrillic word stays.
    const Natija n = ishlat("", "O'zbekiston g'alaba shahar, Тошкент\n");
    EXPECT_EQ(n.kod, 0);
    EXPECT_EQ(n.chiqish, "Özbekiston ğalaba şahar, Тошкент\n");
    EXPECT_EQ(n.xato, "");
}

TEST_F(Cli, LinesModeChoosesTheScriptPerLine) {
    const Natija n = ishlat("--lines", "O'zbekiston g'alaba shahar\r\nТошкент шаҳри\nso'nggi");
    EXPECT_EQ(n.kod, 0);
    EXPECT_EQ(n.chiqish, "Özbekiston ğalaba şahar\r\nToşkent şahri\nsönggi");
    EXPECT_EQ(ishlat("-l", "").chiqish, "");
}

TEST_F(Cli, KeepsBytesNoRuleTouches) {
    const std::string kirish = "\xEF\xBB\xBFshahar\r\n\xFF\xFEo'g'il\r\n";  // BOM, CRLF, invalid bytes
    for (const char* rejim : {"", "-l"}) {
        const Natija n = ishlat(rejim, kirish);
        EXPECT_EQ(n.kod, 0);
        EXPECT_EQ(n.chiqish, "\xEF\xBB\xBF" "şahar\r\n\xFF\xFE" "öğil\r\n") << rejim;
    }
}

TEST_F(Cli, FilesInOrderAndDashForStandardInput) {
    const std::string a = fayl("a.txt", "choy\n"), b = fayl("b.txt", "чой\n");
    const Natija n = ishlat(q(a) + " - " + q(b), "sho'x\n");
    EXPECT_EQ(n.kod, 0);
    EXPECT_EQ(n.chiqish, "çoy\nşöx\nçoy\n");
}

TEST_F(Cli, UnreadableFileIsReportedAndTheRestConverted) {
    const std::string a = fayl("a.txt", "choy\n");
    const Natija n = ishlat("missing.txt " + q(a) + " " + q(papka_.string()));
    EXPECT_EQ(n.kod, 1);
    EXPECT_EQ(n.chiqish, "çoy\n");
    EXPECT_EQ(n.xato, "harfnur-ogir: missing.txt: No such file or directory\n"
                      "harfnur-ogir: " + papka_.string() + ": Is a directory\n");
}

#ifndef _WIN32  // the pipe needs a POSIX shell
TEST_F(Cli, FailedWritesAreErrors) {
    if (fs::exists("/dev/full")) {  // Linux has it; macOS does not
        const Natija toliq = ishlat("", "shahar\n", "/dev/full");
        EXPECT_EQ(toliq.kod, 1);
        EXPECT_EQ(toliq.xato, "harfnur-ogir: standard output: No space left on device\n");
    }

    // A reader that goes away: the rest of the output cannot be written.
    std::string katta;
    while (katta.size() < (4 << 20)) katta += "o'g'il shahar\n";
    const std::string f = fayl("katta.txt", katta);
    const std::string err = (papka_ / "pipe-err").string();
    const std::string buyruq = std::string("set -o pipefail; '") + HARFNUR_OGIR + "' '" + f + "' 2>'" + err +
                               "' | head -c 10 >/dev/null";
    const int holat = std::system(("bash -c \"" + buyruq + "\"").c_str());
    EXPECT_EQ(WEXITSTATUS(holat), 1);
    EXPECT_EQ(oqi(err), "harfnur-ogir: standard output: Broken pipe\n");
}
#endif

TEST_F(Cli, HelpVersionAndUsageErrors) {
    const Natija yordam = ishlat("--help");
    EXPECT_EQ(yordam.kod, 0);
    EXPECT_EQ(yordam.chiqish.rfind("Usage: harfnur-ogir [OPTIONS] [FILE...]\n", 0), 0u);
    EXPECT_NE(yordam.chiqish.find("Examples:"), std::string::npos);
    const Natija v = ishlat("--version");
    EXPECT_EQ(v.kod, 0);
    EXPECT_EQ(v.chiqish.rfind("harfnur-ogir ", 0), 0u);
    const Natija x = ishlat("--nope", "sh");
    EXPECT_EQ(x.kod, 2);
    EXPECT_EQ(x.chiqish, "");
    EXPECT_EQ(x.xato, "harfnur-ogir: unknown option '--nope' (try --help)\n");
    // After --, a name that looks like an option is a file.
    EXPECT_EQ(ishlat("-- --nope").xato, "harfnur-ogir: --nope: No such file or directory\n");
}

}  // namespace
