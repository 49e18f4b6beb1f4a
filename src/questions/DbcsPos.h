#pragma once
#include <cstdint>
#include <string_view>

// The 1-based position of the first occurrence of `pattern` in `text` that does not start on the
// second byte of a double-byte character, 0 when there is none. Stored question files rely on its
// exact first-occurrence test, which also refuses a match right after a half-width katakana byte.
std::int32_t DbcsPos(std::string_view pattern, std::string_view text);
