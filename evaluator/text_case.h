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

// Keys of variables compare without regard to case.
bool sameKey(std::string_view a, std::string_view b);

}  // namespace plotaris::detail
