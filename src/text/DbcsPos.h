#pragma once
#include <cstdint>
#include <string_view>

// The 1-based position of the first occurrence of `pattern` in `text` that starts on a character of its
// own, 0 when there is none: never on the second byte of a double-byte character. Half-width katakana
// are single bytes, so a "#" or "_" right after one is found.
std::int32_t DbcsPos(std::string_view pattern, std::string_view text);
