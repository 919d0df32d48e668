#include "tools/variantlar.h"

#include <cerrno>
#include <cstdlib>

namespace harfnur::ogiruvchi {

const char* const yordamMatni =
    "Usage: harfnur-ogir [OPTIONS] [FILE...]\n"
    "Convert Uzbek text in the old Latin orthography (o' g' sh ch) or in Cyrillic\n"
    "to the reformed Latin orthography (ö ğ ş ç ʼ), writing to standard output.\n"
    "\n"
    "With no FILE, or when FILE is -, read standard input. Each input is one text:\n"
    "its script is chosen once for the whole of it. Bytes are kept exactly as they\n"
    "are wherever no rule applies (line endings, a byte order mark, invalid UTF-8).\n"
    "\n"
    "Options:\n"
    "  -o, --output FILE      write to FILE instead of standard output (replaced\n"
    "                         only once the whole output is written)\n"
    "  -i, --in-place[=SUF]   convert each FILE in place; with SUF keep the original\n"
    "                         as FILE plus SUF (-i.bak); files whose text would not\n"
    "                         change are left untouched\n"
    "      --check            write nothing; list the files whose text would change\n"
    "                         and exit 1 if there is any\n"
    "      --from ENCODING    read input in ENCODING (any ICU converter name, such\n"
    "                         as windows-1251 or KOI8-R) and write UTF-8\n"
    "      --binary           let -i and --check convert files that look binary\n"
    "  -j, --jobs N           use N threads (default: one per core)\n"
    "  -l, --lines            treat each line as a text of its own (script chosen\n"
    "                         per line), streaming\n"
    "  -q, --quiet            no progress line for large inputs\n"
    "  -h, --help             show this help and exit\n"
    "  -V, --version          show the version and exit\n"
    "\n"
    "A file that starts with a UTF-16 byte order mark is read as UTF-16 and written\n"
    "back as UTF-16 with its mark. Every file is written through a temporary file\n"
    "in the same folder that replaces it only when complete, keeping its mode; on\n"
    "any failure the original stays as it was. -i and --check refuse files that\n"
    "look binary (a NUL byte near the start) unless --binary is given. When\n"
    "standard error is a terminal, inputs over 64 MB show a progress line.\n"
    "Standard input over 64 MB is kept in a temporary file in $TMPDIR (or /tmp),\n"
    "removed from the folder as soon as it is made, so any size converts in\n"
    "little memory.\n"
    "\n"
    "Examples:\n"
    "  echo \"O'zbekiston, Тошкент шаҳри\" | harfnur-ogir -l\n"
    "  harfnur-ogir kitob.txt -o kitob-yangi.txt\n"
    "  harfnur-ogir -i.bak bob1.txt bob2.txt\n"
    "  harfnur-ogir --check docs/*.md\n"
    "  harfnur-ogir --from windows-1251 eski.txt > yangi.txt\n"
    "\n"
    "Exit status: 0 on success (with --check: nothing would change), 1 if an input\n"
    "could not be converted or written (with --check: also when a file would\n"
    "change), 2 on a usage error.\n";

namespace {

Yakun xato(const std::string& matn) { return {2, "harfnur-ogir: " + matn + " (try --help)\n", true}; }

// An option's value from "--opt=VALUE", "-oVALUE" or the next argument.
bool qiymatOl(const std::vector<std::string>& a, std::size_t& i, std::size_t uzunlik, std::string& q) {
    const std::string& s = a[i];
    if (s.size() > uzunlik) {
        q = s.substr(uzunlik + (s[uzunlik] == '=' ? 1 : 0));
        return true;
    }
    if (i + 1 >= a.size()) return false;
    q = a[++i];
    return true;
}

bool boshlanadimi(const std::string& s, const std::string& b) {
    return s.compare(0, b.size(), b) == 0 && (s.size() == b.size() || s[b.size()] == '=');
}

}  // namespace

std::variant<Sozlamalar, Yakun> variantlarniOqi(const std::vector<std::string>& a) {
    Sozlamalar s;
    bool oxiri = false;  // after --
    bool chiqishBor = false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const std::string& x = a[i];
        std::string q;
        if (oxiri || x == "-" || x.empty() || x[0] != '-') {
            s.fayllar.push_back(x);
        } else if (x == "--") {
            oxiri = true;
        } else if (x == "-h" || x == "--help") {
            return Yakun{0, yordamMatni, false};
        } else if (x == "-V" || x == "--version") {
            return Yakun{0, std::string("harfnur-ogir ") + HARFNUR_VERSION + "\n", false};
        } else if (x == "-l" || x == "--lines") {
            s.qatorlab = true;
        } else if (x == "-q" || x == "--quiet") {
            s.jim = true;
        } else if (x == "--binary") {
            s.ikkilik = true;
        } else if (x == "--check") {
            if (s.rejim == Rejim::joyida) return xato("--check and --in-place do not go together");
            s.rejim = Rejim::tekshir;
        } else if (x.rfind("-i", 0) == 0 && x.rfind("--", 0) != 0) {
            if (s.rejim == Rejim::tekshir) return xato("--check and --in-place do not go together");
            s.rejim = Rejim::joyida;
            if (x.size() > 2) s.zaxira = x.substr(2);
        } else if (boshlanadimi(x, "--in-place")) {
            if (s.rejim == Rejim::tekshir) return xato("--check and --in-place do not go together");
            s.rejim = Rejim::joyida;
            if (x.size() > 10) s.zaxira = x.substr(11);
        } else if (x.rfind("-o", 0) == 0 && x.rfind("--", 0) != 0) {
            if (!qiymatOl(a, i, 2, q)) return xato("option '-o' needs a file name");
            s.chiqishFayli = q;
            chiqishBor = true;
        } else if (boshlanadimi(x, "--output")) {
            if (!qiymatOl(a, i, 8, q)) return xato("option '--output' needs a file name");
            s.chiqishFayli = q;
            chiqishBor = true;
        } else if (boshlanadimi(x, "--from")) {
            if (!qiymatOl(a, i, 6, q) || q.empty()) return xato("option '--from' needs an encoding name");
            s.manba = q;
        } else if ((x.rfind("-j", 0) == 0 && x.rfind("--", 0) != 0) || boshlanadimi(x, "--jobs")) {
            if (!qiymatOl(a, i, x[1] == 'j' ? 2 : 6, q)) return xato("option '" + x + "' needs a number");
            char* oxir = nullptr;
            errno = 0;
            const unsigned long n = std::strtoul(q.c_str(), &oxir, 10);
            if (q.empty() || *oxir != '\0' || errno != 0 || n == 0 || n > 1024 || q[0] == '-')
                return xato("invalid number of jobs '" + q + "'");
            s.iplar = unsigned(n);
        } else {
            return xato("unknown option '" + x + "'");
        }
    }
    if (s.zaxira && s.zaxira->empty()) return xato("the --in-place suffix is empty");
    if (chiqishBor && s.chiqishFayli.empty()) return xato("option '--output' needs a file name");
    if (chiqishBor && s.rejim != Rejim::chiqarish)
        return xato(std::string("--output and ") + (s.rejim == Rejim::joyida ? "--in-place" : "--check") +
                    " do not go together");
    if (s.rejim != Rejim::chiqarish) {
        const char* nom = s.rejim == Rejim::joyida ? "--in-place" : "--check";
        if (s.fayllar.empty()) return xato(std::string(nom) + " needs at least one FILE");
        for (const std::string& f : s.fayllar)
            if (f == "-") return xato(std::string(nom) + " cannot take standard input");
        if (s.qatorlab) return xato(std::string("--lines and ") + nom + " do not go together");
    }
    if (s.qatorlab && !s.manba.empty()) return xato("--lines and --from do not go together");
    if (s.fayllar.empty()) s.fayllar.push_back("-");
    return s;
}

}  // namespace harfnur::ogiruvchi
