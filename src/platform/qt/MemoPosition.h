#pragma once
#include <string_view>

// The character position in the shown memo text of a byte offset into its Shift-JIS text.
// A double-byte character and a CR LF line end each count as one position; an offset inside a
// double-byte character counts that character as passed, so a selection never splits one.
int memoCharPosition(std::string_view sjis, int byteOffset);
