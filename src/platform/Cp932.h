#pragma once
#include <string>
#include <string_view>

// Conversions between the Japanese Windows code page (CP932, Shift-JIS) and UTF-8.

// Bytes that do not decode become U+FFFD; a lead byte cut off at the end too.
std::string decodeCp932(std::string_view sjis);

// Characters that CP932 lacks become "?".
std::string encodeCp932(std::string_view utf8);

// Converts up to the first character that CP932 lacks or byte that is no UTF-8, appending to `out`;
// the number of input bytes converted.
std::size_t encodeCp932Prefix(std::string_view utf8, std::string& out);

// Source files are UTF-8; every Japanese text constant goes through this once.
inline std::string sjis(std::string_view utf8) {
    return encodeCp932(utf8);
}

// A lead byte of a double-byte character.
constexpr bool isLeadByte(unsigned char byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

// A byte that can follow a lead byte; ASCII punctuation such as "/" never can.
constexpr bool isTrailByte(unsigned char byte) {
    return byte >= 0x40 && byte <= 0xFC && byte != 0x7F;
}
