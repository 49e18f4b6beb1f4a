#pragma once
#include <string_view>

// The position in a Windows EDIT control of a byte offset into its Shift-JIS text. A double-byte
// character is one position, as the CP932 decoder takes it (a lead byte joins a following byte of 0x40
// or more); a CR LF line end counts two, as the control keeps both. An offset inside a double-byte
// character counts that character as passed, so a selection never splits one.
int editPosition(std::string_view sjis, int byteOffset);
