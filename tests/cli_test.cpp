// The built harfnur-ogir binary, run as a user would run it.
#include <gtest/gtest.h>
#include <unistd.h>
#ifdef _WIN32
#include <windows.h>
#else
#include <sys/wait.h>
#endif

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace fs = std::filesystem;

namespace {

#ifdef _WIN32
// The tests and the program ship side by side, also to the Windows runner.
std::string dastur() {
    wchar_t yol[MAX_PATH];
    const DWORD n = ::GetModuleFileNameW(nullptr, yol, MAX_PATH);
    return (fs::path(std::wstring(yol, n)).parent_path() / "harfnur-ogir.exe").string();
}
std::string tirnoq(const std::string& s) { return '"' + s + '"'; }
// cmd.exe drops the outer quotes of the whole line and keeps the inner ones.
int ishgaTushir(const std::string& buyruq) { return std::system(('"' + buyruq + '"').c_str()); }
#else
std::string dastur() { return HARFNUR_OGIR; }
std::string tirnoq(const std::string& s) { return "'" + s + "'"; }
int ishgaTushir(const std::string& buyruq) {
    const int holat = std::system(buyruq.c_str());
    return WIFEXITED(holat) ? WEXITSTATUS(holat) : -1;
}
#endif

struct Natija {
    int kod;
    std::string chiqish, xato;
};

class Cli : public ::testing::Test {
protected:
    void SetUp() override {
        papka_ = fs::temp_directory_path() / ("harfnur-cli-" + std::to_string(::getpid()));
        fs::create_directories(papka_);
    }
    void TearDown() override { fs::remove_all(papka_); }

    std::string fayl(const std::string& nom, const std::string& mazmun) {
        const fs::path p = papka_ / nom;
        std::ofstream(p, std::ios::binary) << mazmun;
        return p.string();
    }
    static std::string oqi(const fs::path& p) {
        std::ifstream f(p, std::ios::binary);
        std::stringstream s;
        s << f.rdbuf();
        return s.str();
    }
    // Runs the binary with `argumentlar` (already quoted with tirnoq) and `kirish` on stdin.
    Natija ishlat(const std::string& argumentlar, const std::string& kirish = "",
                  const std::string& chiqishGa = "") {
        const std::string in = fayl("stdin", kirish);
        const std::string out = chiqishGa.empty() ? (papka_ / "stdout").string() : chiqishGa;
        const std::string err = (papka_ / "stderr").string();
        const int kod = ishgaTushir(tirnoq(dastur()) + " " + argumentlar + " <" + tirnoq(in) + " >" + tirnoq(out) +
                                    " 2>" + tirnoq(err));
        return {kod, chiqishGa.empty() ? oqi(out) : "", oqi(err)};
    }
    fs::path papka_;
};

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
    const Natija n = ishlat(tirnoq(a) + " - " + tirnoq(b), "sho'x\n");
    EXPECT_EQ(n.kod, 0);
    EXPECT_EQ(n.chiqish, "çoy\nşöx\nçoy\n");
}

TEST_F(Cli, UnreadableFileIsReportedAndTheRestConverted) {
    const std::string a = fayl("a.txt", "choy\n");
    const Natija n = ishlat("missing.txt " + tirnoq(a) + " " + tirnoq(papka_.string()));
    EXPECT_EQ(n.kod, 1);
    EXPECT_EQ(n.chiqish, "çoy\n");
    EXPECT_EQ(n.xato, "harfnur-ogir: missing.txt: No such file or directory\n"
                      "harfnur-ogir: " + papka_.string() + ": Is a directory\n");
}

#ifndef _WIN32  // Windows has no full device and no SIGPIPE
TEST_F(Cli, FailedWritesAreErrors) {
    const Natija toliq = ishlat("", "shahar\n", "/dev/full");
    EXPECT_EQ(toliq.kod, 1);
    EXPECT_EQ(toliq.xato, "harfnur-ogir: standard output: No space left on device\n");

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
    EXPECT_NE(yordam.chiqish.find("Example:"), std::string::npos);
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
