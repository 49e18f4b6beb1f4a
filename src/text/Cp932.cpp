#include "text/Cp932.h"

#include <array>
#include <cstdint>
#include <optional>

#include "text/Cp932Table.h"
#include "text/Utf8.h"

namespace {

constexpr char32_t Replacement = 0xFFFD;
constexpr std::size_t TrailBytes = 0xFC - 0x40 + 1;

// The character of a byte that is no lead byte, or nothing.
std::optional<char32_t> singleByteCharacter(unsigned char byte) {
    if (byte < 0x80)
        return byte;
    if (byte >= 0xA1 && byte <= 0xDF)
        return 0xFF61 + (byte - 0xA1);
    return std::nullopt;
}

constexpr std::size_t doubleByteIndex(unsigned lead, unsigned trail) {
    return (lead < 0xE0 ? lead - 0x81 : lead - 0xE0 + 0x1F) * TrailBytes + trail - 0x40;
}

// CP932's code for each character of the Basic Multilingual Plane, 0 for none. The compiler makes it from the
// double-byte table, so the program starts without building it.
using Cp932Codes = std::array<std::uint16_t, 0x10000>;

constexpr Cp932Codes makeCp932Codes() {
    Cp932Codes codes{};
    for (unsigned lead = 0xFC; lead >= 0x81; --lead) {
        if (!isLeadByte(static_cast<unsigned char>(lead)))
            continue;
        // From the last code to the first, so that the first code of a character wins.
        for (unsigned trail = 0xFC; trail >= 0x40; --trail)
            if (std::uint16_t c = Cp932DoubleBytes[doubleByteIndex(lead, trail)])
                codes[c] = static_cast<std::uint16_t>(lead << 8 | trail);
    }
    for (unsigned byte = 0xA1; byte <= 0xDF; ++byte)
        codes[0xFF61 + (byte - 0xA1)] = static_cast<std::uint16_t>(byte);
    for (auto [c, code] : Cp932EncodingExceptions)
        codes[c] = code;
    return codes;
}

constexpr Cp932Codes Cp932CodeOf = makeCp932Codes();

// How many bytes of `text`, which starts with no UTF-8 character CP932 has, become one "?": those of a whole
// character, all of a character cut off at the end, else the first byte alone, so that the rest is still converted.
std::size_t unconvertibleLength(std::string_view text) {
    unsigned char lead = static_cast<unsigned char>(text[0]);
    std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    for (std::size_t i = 1; i < length; ++i) {
        if (i == text.size())
            return i;
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80)
            return 1;
    }
    return length;
}

} // namespace

std::string decodeCp932(std::string_view sjis) {
    std::string out;
    out.reserve(sjis.size() * 3 / 2);
    for (std::size_t i = 0; i < sjis.size();) {
        unsigned char byte = static_cast<unsigned char>(sjis[i]);
        if (!isLeadByte(byte)) {
            appendUtf8(out, singleByteCharacter(byte).value_or(Replacement));
            ++i;
            continue;
        }
        // A lead byte cut off at the end is one bad character.
        unsigned char trail = i + 1 < sjis.size() ? static_cast<unsigned char>(sjis[i + 1]) : 0;
        char32_t c = trail >= 0x40 && trail <= 0xFC ? Cp932DoubleBytes[doubleByteIndex(byte, trail)] : 0;
        appendUtf8(out, c != 0 ? c : Replacement);
        // A bad double-byte pair is replaced as one character; a byte that cannot follow a lead byte is kept.
        i += trail >= 0x40 ? 2 : 1;
    }
    return out;
}

std::string encodeCp932(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    while (true) {
        utf8.remove_prefix(encodeCp932Prefix(utf8, out));
        if (utf8.empty())
            return out;
        out += '?';
        utf8.remove_prefix(unconvertibleLength(utf8));
    }
}

std::size_t encodeCp932Prefix(std::string_view utf8, std::string& out) {
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        if (static_cast<unsigned char>(utf8[pos]) < 0x80) {
            std::size_t ascii = pos;
            while (ascii < utf8.size() && static_cast<unsigned char>(utf8[ascii]) < 0x80)
                ++ascii;
            out.append(utf8.substr(pos, ascii - pos));
            pos = ascii;
            continue;
        }
        // Bytes that are no UTF-8 stop it, and so does a character CP932 lacks: all beyond the BMP.
        std::size_t length = 0;
        std::optional<char32_t> c = decodeUtf8(utf8.substr(pos), length);
        std::uint16_t code = c && *c < Cp932CodeOf.size() ? Cp932CodeOf[*c] : 0;
        if (code == 0)
            break;
        if (code > 0xFF)
            out += static_cast<char>(code >> 8);
        out += static_cast<char>(code & 0xFF);
        pos += length;
    }
    return pos;
}
