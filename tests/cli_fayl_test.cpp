// harfnur-ogir on files: pieces on several threads, -o, -i, --check, encodings,
// and failures that must leave every original as it was.
#include <fcntl.h>
#include <sys/stat.h>
#include <utime.h>
#ifndef _WIN32
#include <sys/wait.h>
#endif

#include <csignal>
#include <functional>
#include <random>
#include <thread>

#include "engine/ogir.h"
#include "tests/cli_yordam.h"

namespace {

using harfnur::sinov::Cli;
using harfnur::sinov::Natija;
namespace fs = std::filesystem;

// Mixed texts near the tie between the scripts, full of rule windows, so the
// whole text's choice and the rules reach across every cut of small pieces.
std::string aralash(unsigned urugh, std::size_t hajm, unsigned kirillFoiz) {
    static const std::vector<std::string> lotin = {"o'g'il", "sho'x", "choy", "ta'lim", "mo‘’jiza", "SH", "g'"};
    static const std::vector<std::string> kirill = {"поезд", "милиция", "ЮНЕСКО", "объект", "Ёш", "ц", "е"};
    static const std::vector<std::string> orasi = {" ", " ", "\n", "\r\n", ", ", " \u0301", "\t", "'", ""};
    std::mt19937 g(urugh);
    std::uniform_int_distribution<unsigned> foiz(0, 99);
    std::string r;
    while (r.size() < hajm) {
        r += (foiz(g) < kirillFoiz ? kirill : lotin)[foiz(g) % 7];
        r += orasi[foiz(g) % orasi.size()];
    }
    return r;
}

TEST_F(Cli, ThreadsGiveTheBytesOfTheWholeConversion) {
    struct Hol {
        unsigned urugh, kirillFoiz;
        std::size_t hajm;
    } const hollar[] = {{1, 0, 3000}, {2, 100, 3000}, {3, 48, 4000}, {4, 52, 4000}, {5, 50, 20000}};
    // And texts whose last stretch tips the choice: a piece-by-piece count
    // that stopped early would pick the step of the start.
    std::string kechKirill, kechLotin;
    for (int i = 0; i < 500; ++i) kechKirill += "sh ";
    for (int i = 0; i < 501; ++i) kechKirill += "шш ";
    for (int i = 0; i < 300; ++i) kechLotin += "шш\n";
    for (int i = 0; i < 600; ++i) kechLotin += "s ";
    std::vector<std::string> matnlar = {kechKirill, kechLotin};
    for (const Hol& h : hollar) matnlar.push_back(aralash(h.urugh, h.hajm, h.kirillFoiz));
    ASSERT_EQ(harfnur::ogir(kechKirill).substr(0, 3), "sh ");
    ASSERT_EQ(harfnur::ogir(kechLotin).substr(0, 5), "шш\n");
    for (const std::string& matn : matnlar) {
        const std::string kutilgan = harfnur::ogir(matn);
        const std::string f = fayl("matn.txt", matn);
        for (const char* qism : {"1", "7", "100", "100000"}) {
            for (const char* j : {"-j1", "-j2", "-j3"}) {
                const std::string muhit = std::string("HARFNUR_OGIR_QISM=") + qism;
                const Natija n = ishlat(std::string(j) + " " + q(f), "", "", muhit);
                ASSERT_EQ(n.kod, 0) << n.xato;
                ASSERT_EQ(n.xato, "");
                ASSERT_EQ(n.chiqish, kutilgan) << matn.substr(0, 40) << " qism " << qism << " " << j;
#ifndef _WIN32
                // Standard input that is no file: read whole, then the same pieces.
                const std::string chiqish = (papka_ / "pipe").string();
                const std::string b = "cat " + q(f) + " | " + muhit + " " + q(HARFNUR_OGIR) + " " + j + " >" + q(chiqish);
                ASSERT_EQ(std::system(b.c_str()), 0);
                ASSERT_EQ(oqi(chiqish), kutilgan) << "pipe, " << matn.substr(0, 40) << " qism " << qism << " " << j;
#endif
            }
        }
    }
}

TEST_F(Cli, ThreadsKeepTheOrderOfManyFiles) {
    std::string argumentlar, kutilgan;
    for (int i = 0; i < 40; ++i) {
        const std::string matn = aralash(100 + unsigned(i), std::size_t(10 + 37 * i), unsigned(i * 5 % 101));
        std::string nom = "f";
        nom += std::to_string(i);
        argumentlar += q(fayl(nom, matn)) + " ";
        kutilgan += harfnur::ogir(matn);
    }
    for (const char* qism : {"5", "64", "100000"}) {
        const Natija n = ishlat("-j4 " + argumentlar, "", "", std::string("HARFNUR_OGIR_QISM=") + qism);
        EXPECT_EQ(n.kod, 0);
        EXPECT_EQ(n.chiqish, kutilgan) << qism;
    }
}

TEST_F(Cli, OutputFileIsWrittenWhole) {
    const std::string a = fayl("a.txt", "choy\n"), b = fayl("b.txt", "чой\n");
    const std::string o = fayl("o.txt", "old");
#ifndef _WIN32
    ::chmod(o.c_str(), 0640);
#endif
    Natija n = ishlat(q(a) + " -o " + q(o) + " " + q(b));
    EXPECT_EQ(n.kod, 0);
    EXPECT_EQ(oqi(o), "çoy\nçoy\n");
#ifndef _WIN32
    EXPECT_EQ(fs::status(o).permissions() & fs::perms::all, fs::perms(0640));
#endif
    n = ishlat("--output=" + q((papka_ / "yangi.txt").string()), "sh");
    EXPECT_EQ(oqi(papka_ / "yangi.txt"), "ş");
    n = ishlat("-l -o " + q((papka_ / "yangi.txt").string()), "sh\nшаҳар\n");
    EXPECT_EQ(oqi(papka_ / "yangi.txt"), "ş\nşahar\n");
    EXPECT_EQ(royxat(), "a.txt b.txt o.txt yangi.txt ");
    // The output naming an input, directly or through a link: nothing done.
#ifdef _WIN32
    fs::create_hard_link(a, papka_ / "havola");
#else
    fs::create_symlink(a, papka_ / "havola");
#endif
    for (const std::string& chiqish : {a, (papka_ / "havola").string()}) {
        n = ishlat(q(a) + " -o " + q(chiqish));
        EXPECT_EQ(n.kod, 2);
        EXPECT_EQ(n.xato, "harfnur-ogir: the output '" + chiqish + "' is also the input '" + a + "'; nothing done\n");
        EXPECT_EQ(oqi(a), "choy\n");
    }
}

#ifndef _WIN32
// A FIFO (like /dev/null or a terminal) is written as it stands: renaming a
// temporary file over it would replace the node with a plain file. In place,
// such a file is refused.
TEST_F(Cli, OutputToANodeThatIsNoRegularFile) {
    const std::string a = fayl("a.txt", "choy\n");
    const std::string fifo = (papka_ / "quvur").string();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::string olingan = (papka_ / "olingan.txt").string();
    Natija n = ishlat(q(a) + " -o " + q(fifo), "", "", "cat " + q(fifo) + " >" + q(olingan) + " & ");
    EXPECT_EQ(n.kod, 0) << n.xato;
    for (int i = 0; i < 200 && oqi(olingan).empty(); ++i) ::usleep(10000);  // the reader is a separate process
    EXPECT_EQ(oqi(olingan), "çoy\n");
    EXPECT_TRUE(fs::is_fifo(fifo));

    n = ishlat("-i " + q(fifo), "", "", "{ echo choy >" + q(fifo) + " & } ; ");
    EXPECT_EQ(n.kod, 1);
    EXPECT_EQ(n.xato, "harfnur-ogir: " + fifo + ": not a regular file; not converted in place\n");
    EXPECT_TRUE(fs::is_fifo(fifo));
}
#endif

TEST_F(Cli, InPlaceRewritesOnlyWhatChanges) {
    const std::string a = fayl("a.txt", "o'g'il\n"), b = fayl("b.txt", "ming\n"), c = fayl("c.txt", "шаҳар\n");
#ifndef _WIN32
    ::chmod(a.c_str(), 0604);
#endif
    struct utimbuf eski{1000000000, 1000000000};
    ::utime(b.c_str(), &eski);
    const auto bInode = fs::hard_link_count(b);
    struct stat bOldin;
    ::stat(b.c_str(), &bOldin);
    const Natija n = ishlat("-i " + q(a) + " " + q(b) + " " + q(c));
    EXPECT_EQ(n.kod, 0) << n.xato;
    EXPECT_EQ(n.xato, "");
    EXPECT_EQ(oqi(a), "öğil\n");
    EXPECT_EQ(oqi(c), "şahar\n");
    // Unchanged text: the very same file, its time untouched.
    struct stat bKeyin;
    ::stat(b.c_str(), &bKeyin);
#ifndef _WIN32
    EXPECT_EQ(fs::status(a).permissions() & fs::perms::all, fs::perms(0604));
    EXPECT_EQ(bKeyin.st_ino, bOldin.st_ino);
#endif
    EXPECT_EQ(bKeyin.st_mtime, 1000000000);
    EXPECT_EQ(fs::hard_link_count(b), bInode);
    EXPECT_EQ(royxat(), "a.txt b.txt c.txt ");
}

TEST_F(Cli, InPlaceKeepsTheOriginalWithASuffix) {
    const std::string a = fayl("a.txt", "sho'x\n"), b = fayl("b.txt", "bir\n");
    for (const char* v : {"-i.bak", "--in-place=.bak"}) {
        fayl("a.txt", "sho'x\n");
        const Natija n = ishlat(std::string(v) + " " + q(a) + " " + q(b));
        EXPECT_EQ(n.kod, 0) << n.xato;
        EXPECT_EQ(oqi(a), "şöx\n");
        EXPECT_EQ(oqi(a + ".bak"), "sho'x\n");
        EXPECT_EQ(royxat(), "a.txt a.txt.bak b.txt ") << v;  // no copy of a file that did not change
        fs::remove(a + ".bak");
    }
}

#ifndef _WIN32  // symlinks there need a privilege
TEST_F(Cli, InPlaceThroughASymlinkReplacesItsTarget) {
    fs::create_directories(papka_ / "ichki");
    const std::string nishon = fayl("ichki/asl.txt", "choy\n");
    fs::create_symlink("ichki/asl.txt", papka_ / "havola.txt");
    const Natija n = ishlat("-i " + q((papka_ / "havola.txt").string()));
    EXPECT_EQ(n.kod, 0) << n.xato;
    EXPECT_TRUE(fs::is_symlink(papka_ / "havola.txt"));
    EXPECT_EQ(fs::read_symlink(papka_ / "havola.txt"), "ichki/asl.txt");
    EXPECT_EQ(oqi(nishon), "çoy\n");
    EXPECT_EQ(royxat(), "havola.txt ichki ");
}
#endif

TEST_F(Cli, SameFileNamedTwiceIsRefused) {
    const std::string a = fayl("a.txt", "choy\n");
#ifdef _WIN32
    fs::create_hard_link(a, papka_ / "b.txt");  // one file index on one volume
#else
    fs::create_symlink(a, papka_ / "b.txt");
#endif
    const std::string b = (papka_ / "b.txt").string();
    for (const std::string& ikkinchi : {a, b}) {
        const Natija n = ishlat("-i " + q(a) + " " + q(ikkinchi));
        EXPECT_EQ(n.kod, 2);
        EXPECT_EQ(n.xato, "harfnur-ogir: '" + a + "' and '" + ikkinchi + "' are the same file; nothing done\n");
        EXPECT_EQ(oqi(a), "choy\n");
    }
}

TEST_F(Cli, CheckListsWhatWouldChange) {
    const std::string a = fayl("a.txt", "choy\n"), b = fayl("b.txt", "bir\n"), c = fayl("c.txt", "Тошкент\n");
    Natija n = ishlat("--check " + q(a) + " " + q(b) + " " + q(c));
    EXPECT_EQ(n.kod, 1);
    EXPECT_EQ(n.chiqish, a + "\n" + c + "\n");
    EXPECT_EQ(oqi(a), "choy\n");
    n = ishlat("--check " + q(b));
    EXPECT_EQ(n.kod, 0);
    EXPECT_EQ(n.chiqish, "");
    // A change only in a late piece of a long text is still seen.
    std::string uzun(5000, 'x');
    uzun += "\nsh";
    n = ishlat("--check " + q(fayl("d.txt", uzun)), "", "", "HARFNUR_OGIR_QISM=100");
    EXPECT_EQ(n.kod, 1);
    EXPECT_EQ(royxat(), "a.txt b.txt c.txt d.txt ");
}

TEST_F(Cli, BinaryLookingFilesAreLeftAloneUnlessAsked) {
    const std::string ikkilik = std::string("PNG\0\0sh'o", 9);
    const std::string f = fayl("rasm.png", ikkilik);
    for (const char* v : {"-i", "--check"}) {
        const Natija n = ishlat(std::string(v) + " " + q(f));
        EXPECT_EQ(n.kod, 1) << v;
        EXPECT_EQ(n.xato, "harfnur-ogir: " + f + ": looks binary (a NUL byte); not converted (--binary converts it)\n");
        EXPECT_EQ(oqi(f), ikkilik);
    }
    // Standard output stays byte-exact for any bytes.
    EXPECT_EQ(ishlat(q(f)).chiqish, std::string("PNG\0\0şʼo", 10));
    EXPECT_EQ(ishlat("-i --binary " + q(f)).kod, 0);
    EXPECT_EQ(oqi(f), std::string("PNG\0\0şʼo", 10));
}

// The null device takes the output as it stands: no file appears beside it.
TEST_F(Cli, OutputToTheNullDevice) {
#ifdef _WIN32
    const std::string hech = "NUL";
#else
    const std::string hech = "/dev/null";
#endif
    const std::string a = fayl("a.txt", "choy\n");
    for (const std::string& v : {std::string(), std::string("-l ")}) {
        const Natija n = ishlat(v + q(a) + " -o " + hech);
        EXPECT_EQ(n.kod, 0) << v;
        EXPECT_EQ(n.xato, "") << v;
    }
    EXPECT_EQ(royxat(), "a.txt ");
}

// Names pass as UTF-8 bytes, in and out, whatever the system's code page.
TEST_F(Cli, NamesBeyondAscii) {
    const std::string a = fayl("шаҳар ö.txt", "sho'x\n");
    Natija n = ishlat(q(a));
    EXPECT_EQ(n.kod, 0) << n.xato;
    EXPECT_EQ(n.chiqish, "şöx\n");
    n = ishlat("-i.bak " + q(a));
    EXPECT_EQ(n.kod, 0) << n.xato;
    EXPECT_EQ(oqi(a), "şöx\n");
    EXPECT_EQ(oqi(a + ".bak"), "sho'x\n");
    n = ishlat(q(a) + " -o " + q(utf8(papka_ / yol("чиқиш.txt"))));
    EXPECT_EQ(n.kod, 0) << n.xato;
    EXPECT_EQ(oqi(papka_ / yol("чиқиш.txt")), "şöx\n");
    EXPECT_EQ(royxat(), "чиқиш.txt шаҳар ö.txt шаҳар ö.txt.bak ");
    n = ishlat("-i " + q(a) + " " + q(a + ".bak"));  // two names, two files
    EXPECT_EQ(n.kod, 0) << n.xato;
    EXPECT_EQ(oqi(a + ".bak"), "şöx\n");
    n = ishlat("йўқ.txt");
    EXPECT_EQ(n.kod, 1);
    EXPECT_EQ(n.xato, "harfnur-ogir: йўқ.txt: No such file or directory\n");
}

std::string utf16(const std::u16string& s, bool katta) {
    std::string r;
    for (char16_t c : s) {
        const char hi = char(c >> 8), lo = char(c & 0xFF);
        r += katta ? hi : lo;
        r += katta ? lo : hi;
    }
    return r;
}

TEST_F(Cli, Utf16WithItsMarkComesBackAsUtf16) {
    for (bool katta : {false, true}) {
        const std::string belgi = katta ? "\xFE\xFF" : "\xFF\xFE";
        // A lone surrogate and an odd last byte pass as they are.
        const std::string kirish = belgi + utf16(u"o'g'il \xD800 shahar шаҳар\r\n", katta) + "\x01";
        const std::string kutilgan = belgi + utf16(u"öğil \xD800 şahar шаҳар\r\n", katta) + "\x01";
        const std::string f = fayl("u.txt", kirish);
        Natija n = ishlat(q(f));
        EXPECT_EQ(n.kod, 0);
        EXPECT_EQ(n.chiqish, kutilgan) << katta;
        n = ishlat("-i " + q(f));
        EXPECT_EQ(n.kod, 0) << n.xato;
        EXPECT_EQ(oqi(f), kutilgan);
        n = ishlat("--check " + q(f));  // NUL bytes of UTF-16 are no sign of a binary file
        EXPECT_EQ(n.kod, 0) << n.xato;
    }
}

TEST_F(Cli, OtherEncodingsThroughFrom) {
    // "Шаҳар чой" in windows-1251 has no ҳ: "Шахар чой".
    const std::string cp1251 = "\xD8\xE0\xF5\xE0\xF0 \xF7\xEE\xE9\n";
    const std::string f = fayl("eski.txt", cp1251);
    Natija n;
#ifndef _WIN32  // the Windows build's ICU data carries no converter tables
    n = ishlat("--from windows-1251 " + q(f));
    EXPECT_EQ(n.kod, 0);
    EXPECT_EQ(n.chiqish, "Şaxar çoy\n");
#endif
    // Without it the bytes pass unchanged, with one warning naming the file.
    std::string kop;
    for (int i = 0; i < 20; ++i) kop += cp1251;
    const std::string g = fayl("g.txt", kop);
    n = ishlat(q(g));
    EXPECT_EQ(n.kod, 0);
    EXPECT_EQ(n.chiqish, kop);
    EXPECT_EQ(n.xato, "harfnur-ogir: " + g + ": warning: mostly not UTF-8, so nothing in it converts (see --from)\n");
    EXPECT_EQ(ishlat(q(fayl("h.txt", "chiroyli ✓ \xFF\n"))).xato, "");  // a stray byte is no reason to warn
    n = ishlat("--from no-such-encoding " + q(f));
    EXPECT_EQ(n.kod, 2);
    EXPECT_EQ(n.xato, "harfnur-ogir: unknown encoding 'no-such-encoding' (try --help)\n");
}

// Each failure leaves the original byte for byte, no temporary file, one
// line naming the file, the other files converted, and exit status 1.
TEST_F(Cli, FailedWritesLeaveTheOriginal) {
    std::string katta;
    while (katta.size() < 300000) katta += "o'g'il shahar choy\n";
    const std::string f = fayl("katta.txt", katta), k = fayl("kichik.txt", "sh\n");
    Natija n;
#ifndef _WIN32
    // A size limit: writes past 100 KB fail in this child.
    n = ishlat("-i " + q(f) + " " + q(k), "", "", "ulimit -f 100;");
    EXPECT_EQ(n.kod, 1);
    EXPECT_EQ(n.xato, "harfnur-ogir: " + f + ": cannot write: File too large\n");
    EXPECT_EQ(oqi(f), katta);
    EXPECT_EQ(oqi(k), "ş\n");
    EXPECT_EQ(royxat(), "katta.txt kichik.txt ");

    // The same for -o: the old output file stays.
    const std::string o = fayl("o.txt", "eski");
    n = ishlat(q(f) + " -o " + q(o), "", "", "ulimit -f 100;");
    EXPECT_EQ(n.kod, 1);
    EXPECT_EQ(n.xato, "harfnur-ogir: " + o + ": cannot write: File too large\n");
    EXPECT_EQ(oqi(o), "eski");
    EXPECT_EQ(royxat(), "katta.txt kichik.txt o.txt ");
#endif

    // A file that is gone by the time its turn comes.
    n = ishlat("-i " + q((papka_ / "yoq.txt").string()) + " " + q(k));
    EXPECT_EQ(n.kod, 1);
    EXPECT_EQ(n.xato, "harfnur-ogir: " + (papka_ / "yoq.txt").string() + ": No such file or directory\n");
}

#ifdef _WIN32
// Another program holds the file without letting it be deleted or renamed
// (a scanner, an editor) for `muddat` ms.
void ushlab(const std::string& yol, int muddat, std::thread& ip) {
    const HANDLE h = ::CreateFileW(fs::path(std::u8string(yol.begin(), yol.end())).c_str(), GENERIC_READ,
                                   FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    ip = std::thread([h, muddat] {
        ::Sleep(DWORD(muddat));
        ::CloseHandle(h);
    });
}

TEST_F(Cli, AFileHeldForAMomentIsReplacedOnceFree) {
    const std::string a = fayl("a.txt", "sho'x\n");
    std::thread ip;
    ushlab(a, 400, ip);
    const Natija n = ishlat("-i.bak " + q(a));
    ip.join();
    EXPECT_EQ(n.kod, 0) << n.xato;
    EXPECT_EQ(oqi(a), "şöx\n");
    EXPECT_EQ(oqi(a + ".bak"), "sho'x\n");
    EXPECT_EQ(royxat(), "a.txt a.txt.bak ");
}

TEST_F(Cli, TheBackupComesOnlyAfterTheReplacement) {
    const std::string a = fayl("a.txt", "sho'x\n"), bak = fayl("a.txt.bak", "oldingi zaxira\n");
    std::thread ip;
    ushlab(a, 4000, ip);  // longer than the retries
    const Natija n = ishlat("-i.bak " + q(a));
    ip.join();
    EXPECT_EQ(n.kod, 1);
    EXPECT_NE(n.xato.find("cannot replace the file"), std::string::npos) << n.xato;
    EXPECT_EQ(oqi(a), "sho'x\n");
    EXPECT_EQ(oqi(bak), "oldingi zaxira\n");  // the earlier backup is untouched
    EXPECT_EQ(royxat(), "a.txt a.txt.bak ");  // and nothing left beside them
}
#endif

#ifndef _WIN32  // these need chmod, setpriv, script, fork and kill, dd
TEST_F(Cli, ReadOnlyFolderLeavesTheOriginal) {
    fs::create_directories(papka_ / "ro");
    const std::string f = fayl("ro/a.txt", "choy\n");
    ::chmod(f.c_str(), 0666);
    ::chmod((papka_ / "ro").c_str(), 0555);
    ::chmod(papka_.c_str(), 0755);
    // Root writes anywhere: run as nobody then.
    const std::string kim = ::geteuid() == 0 ? "setpriv --reuid=65534 --regid=65534 --clear-groups" : "";
    const Natija n = ishlat("-i " + q(f), "", "", kim);
    EXPECT_EQ(n.kod, 1);
    EXPECT_EQ(n.xato, "harfnur-ogir: " + f + ": cannot create a temporary file: Permission denied\n");
    EXPECT_EQ(oqi(f), "choy\n");
    ::chmod((papka_ / "ro").c_str(), 0755);
    EXPECT_EQ(royxat(), "ro ");
    EXPECT_EQ(fs::directory_iterator(papka_ / "ro")->path().filename(), "a.txt");
}

TEST_F(Cli, ProgressOnlyOnATerminal) {
    // 65 MB of blanks: over the line's threshold, quick to convert.
    const std::string f = (papka_ / "katta.txt").string();
    {
        std::ofstream o(f, std::ios::binary);
        const std::string mb(1 << 20, ' ');
        for (int i = 0; i < 65; ++i) o << mb;
    }
    const std::string jurnal = (papka_ / "tty").string();
    auto terminalda = [&](const std::string& v) {
        const std::string buyruq = std::string(HARFNUR_OGIR) + " " + v + " " + f + " >/dev/null";
#if defined(__APPLE__) || defined(__FreeBSD__) || defined(__NetBSD__) || defined(__OpenBSD__)
        const std::string b = "script -q " + jurnal + " sh -c \"" + buyruq + "\"";  // BSD: the file, then the command
#else
        const std::string b = "script -qec \"" + buyruq + "\" " + jurnal;  // util-linux
#endif
        EXPECT_EQ(std::system((b + " >/dev/null 2>&1").c_str()), 0);
        return oqi(jurnal);
    };
    const std::string satr = terminalda("");
    EXPECT_NE(satr.find(f + ": 65 / 65 MB, "), std::string::npos) << satr;
    EXPECT_NE(satr.find(" MB/s"), std::string::npos);
    EXPECT_EQ(terminalda("-q").find("MB/s"), std::string::npos);
    EXPECT_EQ(ishlat(q(f) + " -o /dev/null").xato, "");  // standard error no terminal
}

}  // namespace

namespace {

// Starts `-j1 -i` on a large a.txt and calls `qil` once its temporary file
// is there; returns the wait status.
class CliOrtada : public Cli {
protected:
    std::string matn_;
    std::string f_;
    int ortasida(const std::function<void(pid_t)>& qil) {
        while (matn_.size() < (24u << 20)) matn_ += "o'g'il shahar choy\n";
        f_ = fayl("a.txt", matn_);
        const pid_t pid = ::fork();
        if (pid == 0) {
            ::execl(HARFNUR_OGIR, HARFNUR_OGIR, "-j1", "-i", f_.c_str(), static_cast<char*>(nullptr));
            ::_exit(127);
        }
        bool korindi = false;
        int holat = 0;
        while (!korindi && ::waitpid(pid, &holat, WNOHANG) == 0) {
            for (const auto& e : fs::directory_iterator(papka_))
                korindi |= e.path().filename().string().rfind(".a.txt.harfnur-", 0) == 0;
            if (korindi) qil(pid);
        }
        if (korindi) ::waitpid(pid, &holat, 0);
        EXPECT_TRUE(korindi) << "the conversion ended before its middle was seen";
        return holat;
    }
};

TEST_F(CliOrtada, InterruptLeavesTheOriginal) {
    const int holat = ortasida([](pid_t pid) { ::kill(pid, SIGINT); });
    EXPECT_TRUE(WIFSIGNALED(holat) && WTERMSIG(holat) == SIGINT);
    EXPECT_EQ(royxat(), "a.txt ");
    EXPECT_EQ(oqi(f_), matn_);
}

TEST_F(CliOrtada, FileRemovedMeanwhileIsNotBroughtBack) {
    const std::string xato = (papka_ / ".stderr").string();
    const int asl = ::dup(STDERR_FILENO);
    const int fd = ::open(xato.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    ::dup2(fd, STDERR_FILENO);  // the child's error line lands here
    const int holat = ortasida([this](pid_t) { fs::remove(f_); });
    ::dup2(asl, STDERR_FILENO);
    ::close(fd);
    ::close(asl);
    EXPECT_TRUE(WIFEXITED(holat) && WEXITSTATUS(holat) == 1);
    EXPECT_EQ(oqi(xato), "harfnur-ogir: " + f_ + ": removed or replaced while being converted; not written\n");
    fs::remove(xato);
    EXPECT_EQ(royxat(), "");
}

// Standard input past the threshold goes through a temporary file and is
// converted as the file itself would be: the same choice of script from the
// whole text, the same bytes. The file is gone when the run ends.
TEST_F(Cli, PipePastTheThresholdGivesTheBytesOfTheFile) {
    const std::string kirill = aralash(7, 300000, 100), lotin = aralash(8, 300000, 0);
    const std::string tenglik = aralash(9, 300000, 50);
    std::u16string uzun16;
    while (uzun16.size() < 100000) uzun16 += u"Шаҳар o'g'il \xD83D\xDE00 choy\r\n";
    const std::string cp1251 = "\xD8\xE0\xF5\xE0\xF0 \xF7\xEE\xE9 sh\n";
    struct Hol {
        std::string nom, matn, variant;
    } const hollar[] = {
        {"kirill", kirill, ""},
        {"lotin", lotin, ""},
        {"tenglik", tenglik, "-j3"},
        {"utf16le", "\xFF\xFE" + utf16(uzun16, false) + "\x01", "-j2"},
        {"utf16be", "\xFE\xFF" + utf16(uzun16, true), ""},
        {"cp1251", std::string(20000, ' ') + cp1251 + std::string(20000, '\n'), "--from windows-1251"},
    };
    const fs::path tmp = papka_ / "tmp";
    fs::create_directories(tmp);
    for (const Hol& h : hollar) {
        const std::string f = fayl(h.nom, h.matn);
        const Natija asl = ishlat(h.variant + " " + q(f));
        ASSERT_EQ(asl.kod, 0) << h.nom << asl.xato;
        ASSERT_TRUE(asl.chiqish != h.matn) << h.nom;
        const std::string muhit = "HARFNUR_OGIR_TOSHISH=1000 HARFNUR_OGIR_QISM=5000 TMPDIR=" + q(tmp.string());
        Natija n = ishlat(h.variant, h.matn, "", muhit, true);
        EXPECT_EQ(n.kod, 0) << h.nom << n.xato;
        EXPECT_TRUE(n.chiqish == asl.chiqish) << h.nom;
        // Decoded text leaves memory the same way when it comes from a file.
        if (h.nom.rfind("utf16", 0) == 0 || h.nom == "cp1251") {
            EXPECT_TRUE(ishlat(h.variant + " " + q(f), "", "", muhit).chiqish == asl.chiqish) << h.nom;
        }
        EXPECT_TRUE(fs::is_empty(tmp)) << h.nom;
        // A folder that is not there shows the temporary file was needed.
        const std::string yoq = (papka_ / "yoq").string();
        n = ishlat(h.variant, h.matn, "", "HARFNUR_OGIR_TOSHISH=1000 TMPDIR=" + q(yoq), true);
        EXPECT_EQ(n.kod, 1) << h.nom;
        EXPECT_EQ(n.chiqish, "") << h.nom;
        EXPECT_EQ(n.xato, "harfnur-ogir: standard input: cannot hold it in a temporary file in " + yoq +
                              ": No such file or directory\n");
        EXPECT_TRUE(ishlat(h.variant, h.matn, "", "TMPDIR=" + q(yoq), true).chiqish == asl.chiqish) << h.nom;
        fs::remove(f);
    }
}

// Standard input held in a temporary file, and the converter killed: no
// file is left, whatever the signal, since its name went when it was made.
TEST_F(Cli, SignalWhileHoldingStandardInputLeavesNoFile) {
    const fs::path tmp = papka_ / "tmp";
    fs::create_directories(tmp);
    const std::string chiqish = (papka_ / "chiqish").string();
    std::string bolak;
    while (bolak.size() < (1u << 20)) bolak += "o'g'il shahar choy\n";
    // A converter that died early must fail the test, not kill it.
    const auto eski = ::signal(SIGPIPE, SIG_IGN);
    for (int sig : {SIGINT, SIGTERM, SIGHUP, SIGKILL}) {
        int quvur[2];
        ASSERT_EQ(::pipe(quvur), 0);
        const pid_t pid = ::fork();
        if (pid == 0) {
            ::dup2(quvur[0], STDIN_FILENO);
            ::close(quvur[0]);
            ::close(quvur[1]);
            const int fd = ::open(chiqish.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            ::dup2(fd, STDOUT_FILENO);
            ::setenv("TMPDIR", tmp.c_str(), 1);
            ::setenv("HARFNUR_OGIR_TOSHISH", "4096", 1);
            ::execl(HARFNUR_OGIR, HARFNUR_OGIR, static_cast<char*>(nullptr));
            ::_exit(127);
        }
        ::close(quvur[0]);
        // A pipe holds far less than these 4 MB: once they are written, the
        // converter has read well past the threshold and holds them in its file.
        bool yozildi = true;
        for (int i = 0; i < 4; ++i) {
            for (std::string_view b = bolak; !b.empty() && yozildi;) {
                const ssize_t n = ::write(quvur[1], b.data(), b.size());
                yozildi = n > 0;
                if (yozildi) b.remove_prefix(std::size_t(n));
            }
        }
        EXPECT_TRUE(yozildi) << sig;
        EXPECT_TRUE(fs::is_empty(tmp)) << sig;  // no name even while it is in use
        ::kill(pid, sig);
        int holat = 0;
        ::waitpid(pid, &holat, 0);
        ::close(quvur[1]);
        EXPECT_TRUE(WIFSIGNALED(holat) && WTERMSIG(holat) == sig) << sig << " " << holat;
        EXPECT_TRUE(fs::is_empty(tmp)) << sig;
        EXPECT_EQ(oqi(chiqish), "") << sig;
    }
    ::signal(SIGPIPE, eski);
}

// No room for the temporary file (a size limit here, a full disk alike):
// one line, status 1, and no output at all, -o's file as it was. With -i
// the other files are still converted.
TEST_F(Cli, NoRoomForTheTemporaryFileWritesNothing) {
    std::string katta;
    while (katta.size() < 300000) katta += "o'g'il shahar choy\n";
    const fs::path tmp = papka_ / "tmp";
    fs::create_directories(tmp);
    const std::string muhit = "ulimit -f 100; HARFNUR_OGIR_TOSHISH=1000 TMPDIR=" + q(tmp.string());
    const std::string sabab = "cannot hold it in a temporary file in " + tmp.string() + ": File too large\n";
    const std::string o = fayl("o.txt", "eski");
    for (const std::string& v : {std::string(), "-o " + q(o), "-j3 -o " + q(o)}) {
        const Natija n = ishlat(v, katta, "", muhit, true);
        EXPECT_EQ(n.kod, 1) << v;
        EXPECT_EQ(n.chiqish, "") << v;
        EXPECT_EQ(n.xato, "harfnur-ogir: standard input: " + sabab) << v;
        EXPECT_EQ(oqi(o), "eski") << v;
        EXPECT_EQ(royxat(), "o.txt tmp ") << v;
        EXPECT_TRUE(fs::is_empty(tmp)) << v;
    }
    // An input after it is not begun: the output would have a hole.
    const std::string k = fayl("k.txt", "choy\n");
    Natija n = ishlat("- " + q(k) + " -o " + q(o), katta, "", muhit, true);
    EXPECT_EQ(n.kod, 1);
    EXPECT_EQ(n.xato, "harfnur-ogir: standard input: " + sabab);
    EXPECT_EQ(oqi(o), "eski");

    const std::string u = fayl("u.txt", "\xFF\xFE" + utf16(std::u16string(100000, u'ш'), false));
    n = ishlat("-i " + q(u) + " " + q(k), "", "", muhit);
    EXPECT_EQ(n.kod, 1);
    EXPECT_EQ(n.xato, "harfnur-ogir: " + u + ": " + sabab);
    EXPECT_EQ(oqi(k), "çoy\n");
    EXPECT_EQ(oqi(u).size(), 200002u);
    EXPECT_EQ(royxat(), "k.txt o.txt tmp u.txt ");
}

// A file cut short by another program while it is converted: no SIGBUS
// death, one line, status 1, and nothing replaced. The converter waits at a
// FIFO once the file is mapped and checked, so the cut lands there.
TEST_F(Cli, FileCutShortWhileConvertedReplacesNothing) {
    const std::string matn = aralash(11, 400000, 30);
    const std::string fifo = (papka_ / "kut").string();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    struct Hol {
        std::string variant, chiqish, xato;
    } const hollar[] = {
        {"", "", "truncated while being converted; output cut short"},
        {"-o O", "", "truncated while being converted; 'O' not written"},
        {"-i", "", "truncated while being converted; not written"},
        {"--check", "", "truncated while being checked"},
    };
    for (const Hol& h : hollar) {
        for (const char* j : {"-j1", "-j3"}) {
            for (std::size_t kesish : {std::size_t(0), std::size_t(100001)}) {
                const std::string f = fayl("a.txt", matn), o = fayl("o.txt", "eski");
                std::string variant = h.variant, xato = h.xato;
                if (const std::size_t k = variant.find('O'); k != std::string::npos) variant.replace(k, 1, q(o));
                if (const std::size_t k = xato.find('O'); k != std::string::npos) xato.replace(k, 1, o);
                std::thread kesuvchi([&] {
                    const int fd = ::open(fifo.c_str(), O_WRONLY);  // returns once the converter waits
                    EXPECT_EQ(::truncate(f.c_str(), off_t(kesish)), 0);
                    ::close(fd);
                });
                const Natija n = ishlat(std::string(j) + " " + variant + " " + q(f), "", "",
                                        "HARFNUR_OGIR_QISM=4096 HARFNUR_OGIR_KUT=" + q(fifo));
                // Had it never waited, the cutter would wait for ever.
                const int ochuvchi = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
                kesuvchi.join();
                ::close(ochuvchi);
                const std::string hol = h.variant + " " + j + " " + std::to_string(kesish);
                EXPECT_EQ(n.kod, 1) << hol;
                EXPECT_EQ(n.chiqish, h.chiqish) << hol;
                EXPECT_EQ(n.xato, "harfnur-ogir: " + f + ": " + xato + "\n") << hol;
                EXPECT_EQ(oqi(o), "eski") << hol;
                EXPECT_EQ(oqi(f), matn.substr(0, kesish)) << hol;
                EXPECT_EQ(royxat(), "a.txt kut o.txt ") << hol;
            }
        }
    }
}

TEST_F(Cli, StandardInputFromWhereItStands) {
    const std::string f = fayl("a.txt", "birinchi\nsho'x choy\n");
    // dd reads exactly the first line; the rest is left to the converter.
    const std::string b = "{ dd bs=1 count=9 of=/dev/null 2>/dev/null; " + q(HARFNUR_OGIR) + "; } <" + q(f) + " >" +
                          q((papka_ / "o").string());
    ASSERT_EQ(std::system(b.c_str()), 0);
    EXPECT_EQ(oqi(papka_ / "o"), "şöx çoy\n");
}

#endif

}  // namespace
