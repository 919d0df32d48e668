// Synthetic key presses through XTEST. Control stands in for Command; the
// modifiers the user still holds are lifted around each press so none leaks
// in; terminals get Control+Shift+C/V and never a select-all.
#pragma once

#include <chrono>
#include <mutex>
#include <string>
#include <vector>

#include "platform/tugma_yuborish.h"

typedef struct _XDisplay Display;
typedef unsigned long KeySym;
typedef unsigned char KeyCode;

namespace harfnur::linux_ {

// Window classes treated as terminal emulators.
std::vector<std::string> standartTerminallar();

// An empty key lent to a letter that the layout lacks. Whatever way the
// press goes, the key gets its own symbols back and the keymap read to find
// it is freed.
class IjaraTugma {
public:
    IjaraTugma(Display* d, KeySym sym);
    ~IjaraTugma();
    IjaraTugma(const IjaraTugma&) = delete;
    IjaraTugma& operator=(const IjaraTugma&) = delete;
    KeyCode kod() const { return kod_; }  // 0 when no key is free
    void bosildi();                       // a press was sent under it

private:
    Display* d_;
    KeySym* xarita_ = nullptr;
    KeySym* eski_ = nullptr;  // the lent key's own symbols, inside xarita_
    int kenglik_ = 0;
    KeyCode kod_ = 0;
    bool bosildimi_ = false;
};

class X11TugmaYuborish final : public port::TugmaYuborish {
public:
    // `terminallar`: lower-case WM_CLASS names or classes of terminals.
    explicit X11TugmaYuborish(std::vector<std::string> terminallar);
    ~X11TugmaYuborish() override;

    void bos(std::uint16_t kod, std::uint64_t bayroqlar) override;
    void modifikator(std::uint16_t kod, bool pastga, std::uint64_t bayroqlar) override;
    std::uint64_t ushlanganBayroqlar() override;
    void qoyishdanOldin() override;

    // The front window's WM_CLASS (name and class, lower case), for the
    // terminal rule; empty when there is none.
    std::vector<std::string> oldingiOynaSinfi();

private:
    bool terminalmi();
    std::vector<unsigned char> ushlanganModifikatorlar();  // keycodes of held modifier keys
    void tugmaYubor(unsigned kod, bool pastga);

    std::mutex m_;  // one thread at a time on the connection
    Display* d_ = nullptr;
    std::vector<std::string> terminallar_;
    std::chrono::steady_clock::time_point oxirgiNusxa_{};  // the last copy key sent
};

}  // namespace harfnur::linux_
