// Runs the built harfnur-ogir binary as a user would, in a folder of its own.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>
#ifdef _WIN32
#include <windows.h>
#else
#include <sys/wait.h>
#endif

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace harfnur::sinov {

#ifdef _WIN32
// The tests and the program ship side by side, also to the Windows runner.
inline std::string dastur() {
    wchar_t yol[MAX_PATH];
    const DWORD n = ::GetModuleFileNameW(nullptr, yol, MAX_PATH);
    return (std::filesystem::path(std::wstring(yol, n)).parent_path() / "harfnur-ogir.exe").string();
}
#else
inline std::string dastur() { return HARFNUR_OGIR; }
#endif

struct Natija {
    int kod;
    std::string chiqish, xato;
};

class Cli : public ::testing::Test {
protected:
    void SetUp() override {
        papka_ = std::filesystem::temp_directory_path() /
                 ("harfnur-cli-" + std::to_string(::getpid()) + "-" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(papka_);
        std::filesystem::create_directories(papka_);
    }
    void TearDown() override {
        std::error_code e;
        std::filesystem::permissions(papka_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, e);
        std::filesystem::remove_all(papka_, e);
    }

    // Names are UTF-8 both ways, as the program takes them (Windows would
    // read a narrow name in its ANSI code page).
    static std::filesystem::path yol(const std::string& s) {
        return std::filesystem::path(std::u8string(s.begin(), s.end()));
    }
    static std::string utf8(const std::filesystem::path& p) {
        const std::u8string s = p.u8string();
        return std::string(s.begin(), s.end());
    }

    std::string fayl(const std::string& nom, const std::string& mazmun) {
        const std::filesystem::path p = papka_ / yol(nom);
        std::ofstream(p, std::ios::binary) << mazmun;
        return utf8(p);
    }
    static std::string oqi(const std::string& p) { return oqi(yol(p)); }
    static std::string oqi(const std::filesystem::path& p) {
        std::ifstream f(p, std::ios::binary);
        std::stringstream s;
        s << f.rdbuf();
        return s.str();
    }
#ifdef _WIN32
    static std::string q(const std::string& s) { return '"' + s + '"'; }  // names here hold no quote
#else
    static std::string q(const std::string& s) { return "'" + s + "'"; }
#endif

    // Runs `oldin` (environment settings, a wrapper) then the binary with
    // `argumentlar` (already shell-quoted) and `kirish` on stdin: a file, or
    // with `quvurdan` a pipe, which the program cannot map. On Windows
    // `oldin` may only be one NAME=VALUE, and stdin is a file.
    Natija ishlat(const std::string& argumentlar, const std::string& kirish = "", const std::string& chiqishGa = "",
                  const std::string& oldin = "", bool quvurdan = false) {
        const std::string in = (papka_ / ".stdin").string();
        std::ofstream(in, std::ios::binary) << kirish;
        const std::string out = chiqishGa.empty() ? (papka_ / ".stdout").string() : chiqishGa;
        const std::string err = (papka_ / ".stderr").string();
#ifdef _WIN32
        quvurdan = false;
#endif
        const std::string yonalish = (quvurdan ? "" : " <" + q(in)) + " >" + q(out) + " 2>" + q(err);
#ifdef _WIN32
        const std::size_t teng = oldin.find('=');
        const std::string muhit = teng == std::string::npos ? "" : oldin.substr(0, teng);
        if (!muhit.empty()) ::_putenv_s(muhit.c_str(), oldin.substr(teng + 1).c_str());
        // cmd.exe drops the outer quotes of the whole line and keeps the inner ones.
        const std::string buyruq = '"' + q(dastur()) + " " + argumentlar + yonalish + '"';
        std::wstring keng(buyruq.size(), L'\0');
        keng.resize(std::size_t(::MultiByteToWideChar(CP_UTF8, 0, buyruq.data(), int(buyruq.size()), keng.data(),
                                                      int(keng.size()))));
        const int kod = ::_wsystem(keng.c_str());
        if (!muhit.empty()) ::_putenv_s(muhit.c_str(), "");
#else
        std::string buyruq = oldin + " " + q(dastur()) + " " + argumentlar + yonalish;
        if (quvurdan) buyruq = "cat " + q(in) + " 2>/dev/null | { " + buyruq + "; }";
        const int holat = std::system(buyruq.c_str());
        const int kod = WIFEXITED(holat) ? WEXITSTATUS(holat) : -1;
#endif
        Natija n{kod, chiqishGa.empty() ? oqi(out) : "", oqi(err)};
        std::filesystem::remove(in);
        std::filesystem::remove(err);
        if (chiqishGa.empty()) std::filesystem::remove(out);
        return n;
    }
    // Names in the folder, apart from the helper's own.
    std::string royxat() const {
        std::string r;
        std::vector<std::string> nomlar;
        for (const auto& e : std::filesystem::directory_iterator(papka_)) nomlar.push_back(utf8(e.path().filename()));
        std::sort(nomlar.begin(), nomlar.end());
        for (const auto& n : nomlar) r += n + " ";
        return r;
    }
    std::filesystem::path papka_;
};

}  // namespace harfnur::sinov
