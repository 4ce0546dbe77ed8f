// Lower case and length of expression texts, which arrive as UTF-8.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace plotaris::detail {

// The text with its capital letters made small (ASCII, Latin-1, Latin Extended-A, Greek and
// Cyrillic capitals); any other byte, invalid UTF-8 included, is kept as it is.
std::string toLowerCase(std::string_view text);

// The length in UTF-16 units, the measure of the 16-bit limit on texts. A byte that does not
// belong to a valid sequence counts as one unit.
std::size_t utf16Length(std::string_view text);

// Keys of variables compare without regard to case; beyond ASCII, by their lower-case forms.
bool sameKeyBeyondAscii(std::string_view a, std::string_view b);

inline bool sameKey(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return sameKeyBeyondAscii(a, b);
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i] == b[i]) continue;
        unsigned char x = static_cast<unsigned char>(a[i]), y = static_cast<unsigned char>(b[i]);
        if ((x | y) >= 0x80) return sameKeyBeyondAscii(a, b);
        if (x >= 'A' && x <= 'Z') x += 32;
        if (y >= 'A' && y <= 'Z') y += 32;
        if (x != y) return false;
    }
    return true;
}

}  // namespace plotaris::detail
