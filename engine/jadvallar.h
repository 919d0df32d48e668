// The engine's constant tables. Each is built once, on first use, by a
// thread-safe initialiser and read-only afterwards. Members are held in NFC,
// so membership by canonical equivalence is a comparison of NFC forms.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace harfnur::ichki {

using BelgiTuplami = std::vector<std::string>;
using KirillXaritasi = std::vector<std::pair<std::string, std::string>>;  // declaration order

// The five apostrophe-like marks after o and g.
const BelgiTuplami& okina();
// The separating signs: okina plus U+02BC.
const BelgiTuplami& tutuqlar();
// Lower-case Cyrillic letter -> lower-case reformed Latin text (35 entries).
const KirillXaritasi& kirill();
// The ten lower-case Cyrillic vowels.
const BelgiTuplami& kirillUnlilar();

// Position of an NFC Character in a table, or -1.
int orni(const BelgiTuplami& t, std::string_view nfcBelgi);
int orni(const KirillXaritasi& t, std::string_view nfcBelgi);

}  // namespace harfnur::ichki
