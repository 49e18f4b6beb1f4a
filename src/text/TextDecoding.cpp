#include "text/TextDecoding.h"

#include <algorithm>
#include <cstdio>
#include <optional>

#include "platform/Files.h"
#include "text/Cp932.h"
#include "text/Limits.h"
#include "text/LineList.h"
#include "text/Utf8.h"

namespace {

constexpr std::string_view Utf8Bom = "\xEF\xBB\xBF";
constexpr std::string_view Utf16LeBom = "\xFF\xFE";
constexpr std::string_view Utf16BeBom = "\xFE\xFF";

unsigned char byteAt(std::string_view text, std::size_t i) {
    return static_cast<unsigned char>(text[i]);
}

// The length in bytes of the longest character of `bytes` read as UTF-8; 0 when they are no UTF-8.
std::size_t longestUtf8Character(std::string_view bytes) {
    std::size_t longest = 1;
    for (std::size_t i = 0, length = 0; i < bytes.size(); i += length) {
        if (byteAt(bytes, i) < 0x80) {
            length = 1;
            continue;
        }
        if (!decodeUtf8(bytes.substr(i), length))
            return 0;
        longest = std::max(longest, length);
    }
    return longest;
}

// The line of byte `pos`, counting line ends as the line list cuts them.
int lineAt(std::string_view text, std::size_t pos) {
    int line = 1;
    for (std::size_t i = 0; i < pos; ++i) {
        if (text[i] == '\n')
            ++line;
        else if (text[i] == '\r') {
            ++line;
            if (i + 1 < pos && text[i + 1] == '\n')
                ++i;
        }
    }
    return line;
}

std::string hex(const char* format, unsigned value) {
    char text[16];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

[[noreturn]] void refuseUtf8At(std::string_view text, std::size_t pos) {
    std::size_t length = 0;
    if (std::optional<char32_t> c = decodeUtf8(text.substr(pos), length))
        throw TextRefused(lineAt(text, pos), "Shift-JISにない文字 " + hex("U+%04X", *c) + " があります");
    throw TextRefused(lineAt(text, pos),
                      "UTF-8として読めないバイト " + hex("0x%02X", byteAt(text, pos)) + " があります");
}

std::string utf8ToShiftJis(std::string_view text) {
    text = text.substr(0, text.find('\0'));
    std::string out;
    out.reserve(text.size());
    std::size_t converted = encodeCp932Prefix(text, out);
    if (converted < text.size())
        refuseUtf8At(text, converted);
    return out;
}

std::string utf16ToUtf8(std::string_view bytes, bool bigEndian) {
    auto unitAt = [&](std::size_t i) -> char32_t {
        unsigned first = byteAt(bytes, i), second = byteAt(bytes, i + 1);
        return bigEndian ? first << 8 | second : second << 8 | first;
    };
    std::string out;
    out.reserve(bytes.size());
    std::size_t i = 0;
    for (; i + 1 < bytes.size(); i += 2) {
        char32_t c = unitAt(i);
        if (c == 0)
            return out;
        if (c >= 0xD800 && c <= 0xDFFF) {
            char32_t low = i + 3 < bytes.size() ? unitAt(i + 2) : 0;
            if (c > 0xDBFF || low < 0xDC00 || low > 0xDFFF)
                throw TextRefused(lineAt(out, out.size()),
                                  "UTF-16の対になっていないサロゲート " + hex("U+%04X", c) + " があります");
            c = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
            i += 2;
        }
        appendUtf8(out, c);
    }
    if (i < bytes.size())
        throw TextRefused(lineAt(out, out.size()), "UTF-16のファイルのバイト数が奇数です");
    return out;
}

} // namespace

TextEncoding detectEncoding(std::string_view bytes) {
    if (bytes.starts_with(Utf8Bom))
        return TextEncoding::Utf8Bom;
    if (bytes.starts_with(Utf16LeBom))
        return TextEncoding::Utf16LeBom;
    if (bytes.starts_with(Utf16BeBom))
        return TextEncoding::Utf16BeBom;
    // Japanese in UTF-8 takes three bytes a character; half-width katakana in Shift-JIS pair up into
    // two-byte UTF-8 characters by chance.
    return longestUtf8Character(bytes) >= 3 ? TextEncoding::Utf8 : TextEncoding::ShiftJis;
}

std::optional<TextEncoding> otherReading(std::string_view bytes) {
    TextEncoding detected = detectEncoding(bytes);
    if (detected == TextEncoding::ShiftJis && longestUtf8Character(bytes) == 2)
        return TextEncoding::Utf8;
    // The Shift-JIS decoder marks every byte it cannot read with U+FFFD.
    if (detected == TextEncoding::Utf8 &&
        decodeCp932(bytes.substr(0, bytes.find('\0'))).find("\xEF\xBF\xBD") == std::string::npos)
        return TextEncoding::ShiftJis;
    return std::nullopt;
}

std::string_view encodingName(TextEncoding encoding) {
    switch (encoding) {
    case TextEncoding::Utf8:
        return "UTF-8";
    case TextEncoding::Utf8Bom:
        return "UTF-8 (BOM)";
    case TextEncoding::Utf16LeBom:
        return "UTF-16LE (BOM)";
    case TextEncoding::Utf16BeBom:
        return "UTF-16BE (BOM)";
    case TextEncoding::ShiftJis:
        break;
    }
    return "Shift-JIS";
}

TextRefused::TextRefused(int line, std::string reason)
    : std::runtime_error(sjis(std::to_string(line) + "行目: " + reason)), m_line(line), m_reason(std::move(reason)) {}

std::string TextRefused::text() const {
    return (m_fileName.empty() ? std::string() : m_fileName + " ") + what();
}

std::string toShiftJis(std::string_view bytes, TextEncoding encoding) {
    switch (encoding) {
    case TextEncoding::Utf8:
        return utf8ToShiftJis(bytes);
    case TextEncoding::Utf8Bom:
        return utf8ToShiftJis(bytes.substr(Utf8Bom.size()));
    case TextEncoding::Utf16LeBom:
        return utf8ToShiftJis(utf16ToUtf8(bytes.substr(Utf16LeBom.size()), false));
    case TextEncoding::Utf16BeBom:
        return utf8ToShiftJis(utf16ToUtf8(bytes.substr(Utf16BeBom.size()), true));
    case TextEncoding::ShiftJis:
        break;
    }
    return std::string(bytes);
}

TextEncoding loadDrillFile(LineList& lines, Files& files, const std::string& name) {
    std::string bytes = readLimitedFile(files, name, DrillFileLimit);
    TextEncoding encoding = detectEncoding(bytes);
    lines.setText(toShiftJis(bytes, encoding));
    for (int i = 0; i < lines.count(); ++i)
        if (lines.get(i).size() > LineLimit)
            throw TextRefused(i + 1, "行が長すぎます（" + std::to_string(LineLimit) + "バイトまで）");
    return encoding;
}
