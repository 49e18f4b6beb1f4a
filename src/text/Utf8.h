#pragma once
#include <optional>
#include <string>
#include <string_view>

// The character the non-empty `text` starts with and its length in bytes; nothing when the bytes are no
// UTF-8 (overlong forms, surrogates and values above U+10FFFF included).
// Inline: it runs for every character of a drill file.
inline std::optional<char32_t> decodeUtf8(std::string_view text, std::size_t& length) {
    unsigned char lead = static_cast<unsigned char>(text[0]);
    char32_t c = lead;
    char32_t least = 0;
    if (lead < 0x80) {
        length = 1;
        return c;
    }
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, c = lead & 0x1F, least = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, c = lead & 0x0F, least = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, c = lead & 0x07, least = 0x10000;
    } else {
        return std::nullopt;
    }
    if (length > text.size())
        return std::nullopt;
    for (std::size_t i = 1; i < length; ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80)
            return std::nullopt;
        c = c << 6 | (static_cast<unsigned char>(text[i]) & 0x3F);
    }
    if (c < least || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        return std::nullopt;
    return c;
}

void appendUtf8(std::string& out, char32_t c);
