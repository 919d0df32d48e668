// What the converted item offers with delayed rendering: the bytes of each
// format wait here until a program asks for them (WM_RENDERFORMAT), so that
// the target's reading of a paste is seen. Main thread only, but for the two
// numbers, which the conversion reads from its own thread.
#pragma once

#include <atomic>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace harfnur::windows_ {

class KechiktirilganMazmun {
public:
    using Turlar = std::vector<std::pair<unsigned, std::string>>;  // (format, bytes)

    // The new content; whatever was here goes.
    void qoy(Turlar turlar);
    // WM_DESTROYCLIPBOARD: the clipboard was emptied, nothing of ours is on it.
    void tashla();

    // The bytes of `id`, when it is ours.
    const std::string* baytlari(unsigned id) const;
    // `id` was put there for a program that asked; an asking by another
    // program counts. Putting it there moved the clipboard's sequence number
    // by `surilish`, with no change of content.
    void berildi(unsigned id, bool boshqasimi, std::int64_t surilish);
    // WM_RENDERALLFORMATS: the formats nobody asked for, to be put there
    // before we go; from now on they count as given.
    Turlar qolganlari();

    std::int64_t oqilishSoni() const { return oqildi_.load(); }
    // The clipboard's sequence number less our own renderings' moves.
    std::int64_t ozgarishSoni(std::int64_t tizimniki) const { return tizimniki - surildi_.load(); }

private:
    struct Tur {
        unsigned id;
        std::string baytlar;
        bool berildi = false;
    };
    std::vector<Tur> turlar_;
    std::atomic<std::int64_t> oqildi_{0};
    std::atomic<std::int64_t> surildi_{0};
};

}  // namespace harfnur::windows_
