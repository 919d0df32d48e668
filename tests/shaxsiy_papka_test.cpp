// Folders for the user's eyes only, and the log file's mode.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>

#include "pipeline/jurnal.h"
#include "platform/shaxsiy_papka.h"
#include "sim_yordam.h"

namespace {

using namespace harfnur;
namespace fs = std::filesystem;

unsigned huquq(const fs::path& p) {
    struct stat s{};
    EXPECT_EQ(::stat(p.c_str(), &s), 0) << p;
    return s.st_mode & 07777;
}

// A umask of 0 shows the modes that are asked for, not the umask's.
struct OchiqUmask {
    mode_t eski = ::umask(0);
    ~OchiqUmask() { ::umask(eski); }
};

TEST(ShaxsiyPapka, CreatesEveryMissingFolderClosedAndNarrowsAWideOne) {
    const fs::path ildiz = sinov::vaqtinchaPapka("papka");
    OchiqUmask u;
    fs::create_directory(ildiz / "bor");
    fs::permissions(ildiz / "bor", fs::perms(0755));
    fs::create_directory(ildiz / "bor" / "keng");
    fs::permissions(ildiz / "bor" / "keng", fs::perms(0777));
    std::ofstream(ildiz / "fayl") << "x";

    struct Hol {
        fs::path papka;
        bool bor;
        std::vector<std::pair<fs::path, unsigned>> huquqlar;
    };
    const Hol hollar[] = {
        {ildiz / "a" / "b" / "c", true, {{ildiz / "a", 0700}, {ildiz / "a" / "b", 0700}, {ildiz / "a" / "b" / "c", 0700}}},
        {ildiz / "bor" / "yangi", true, {{ildiz / "bor", 0755}, {ildiz / "bor" / "yangi", 0700}}},  // above: untouched
        {ildiz / "bor" / "keng", true, {{ildiz / "bor" / "keng", 0700}}},
        {ildiz / "fayl", false, {{ildiz / "fayl", 0666}}},  // not a folder: left as it is
        {ildiz / "fayl" / "ichi", false, {}},
    };
    for (const Hol& h : hollar) {
        EXPECT_EQ(shaxsiyPapka(h.papka), h.bor) << h.papka;
        for (const auto& [p, kutilgan] : h.huquqlar) EXPECT_EQ(huquq(p), kutilgan) << p;
    }
    fs::remove_all(ildiz);
}

TEST(ShaxsiyPapka, TheLogFileIsTheUsersAlone) {
    sinov::Muhit muhit;
    OchiqUmask u;
    jurnal(muhit.m.platforma, "yangi fayl");
    EXPECT_EQ(huquq(muhit.jurnal), 0600u);

    // A file left readable by an older version is narrowed, its lines kept.
    fs::permissions(muhit.jurnal, fs::perms(0644));
    jurnal(muhit.m.platforma, "ikkinchi");
    EXPECT_EQ(huquq(muhit.jurnal), 0600u);
    EXPECT_EQ(sinov::xabarlar(muhit.jurnal), (std::vector<std::string>{"yangi fayl", "ikkinchi"}));
}

}  // namespace
