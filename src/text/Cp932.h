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

// The bytes of the Shift-JIS character at `index` of `text`: a lead byte joins a following byte of 0x40 or
// more, as the decoder takes them; every other byte, half-width katakana (0xA1-0xDF) too, stands alone.
inline std::size_t characterLength(std::string_view text, std::size_t index) {
    return index + 1 < text.size() && isLeadByte(static_cast<unsigned char>(text[index])) &&
                   static_cast<unsigned char>(text[index + 1]) >= 0x40
               ? 2
               : 1;
}
