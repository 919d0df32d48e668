// Code pages of RTF text: literal bytes and \'hh are read in the code page of
// the font they are written in, through ICU's converters.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>

struct UConverter;

namespace harfnur::boymatn::rtf {

// The bytes read so far as one Character.
enum class Ochilish : std::uint8_t { Tayyor, Davom, Xato };

class KodSahifa {
public:
    // Nothing when the code page is not one we know or ICU lacks its table.
    static std::unique_ptr<KodSahifa> och(int raqam);
    ~KodSahifa();

    // baytlar[0..n) as one Character: Tayyor with `kod`, Davom while a
    // lead byte waits for the rest, Xato when they are no Character.
    // Bytes below 0x80 on their own are ASCII in every code page.
    Ochilish ochish(const unsigned char* baytlar, int n, char32_t& kod);

    // The bytes that stand for `kod` here and read back as it; empty when
    // the code page does not hold it.
    const std::string& baytlari(char32_t kod);

private:
    bool yuqoriYarim();

    enum class Xil : std::uint8_t { BirBayt, IkkiBayt, Utf8 };
    static constexpr char32_t yoq = 0xFFFFFFFF;

    Xil xil_ = Xil::BirBayt;
    UConverter* ucnv_ = nullptr;
    std::array<char32_t, 256> bitta_{};          // a byte alone; `yoq` when none
    std::array<bool, 256> boshBayt_{};            // waits for a second byte
    std::unordered_map<std::uint16_t, char32_t> juftlar_;  // read pairs
    std::unordered_map<char32_t, std::string> baytlar_;
};

// Appends `kod` to `s` in UTF-8.
void utf8Yoz(char32_t kod, std::string& s);

// The code page of text in a font of \fcharset `charset`, where `hujjat` is
// the document's: 0 for a symbol font, whose text is no language; -1 when
// the charset is not known.
int charsetSahifasi(int charset, int hujjat);

// The code pages met in one document, each opened once.
class Sahifalar {
public:
    KodSahifa* ol(int raqam);

private:
    std::unordered_map<int, std::unique_ptr<KodSahifa>> ochilgan_;
};

}  // namespace harfnur::boymatn::rtf
