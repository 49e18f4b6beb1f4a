#include "platform/Cp932.h"

#include <array>
#include <cerrno>
#include <cstdint>
#include <iconv.h>
#include <memory>
#include <optional>
#include <stdexcept>

#include "platform/Utf8.h"

namespace {

class Converter {
public:
    Converter(const char* to, const char* from) : m_cd(iconv_open(to, from)) {
        if (m_cd == reinterpret_cast<iconv_t>(-1))
            throw std::runtime_error("iconv cannot convert between CP932 and UTF-8");
    }
    ~Converter() { iconv_close(m_cd); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts as much as possible; returns the number of input bytes left unconverted.
    // `stoppedOnBadInput` tells whether the stop was an undecodable sequence rather than a cut-off one.
    std::size_t convert(std::string_view& in, std::string& out, bool& stoppedOnBadInput) {
        iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
        char* inPtr = const_cast<char*>(in.data());
        std::size_t inLeft = in.size();
        char buffer[1024];
        stoppedOnBadInput = false;
        while (inLeft > 0) {
            char* outPtr = buffer;
            std::size_t outLeft = sizeof buffer;
            std::size_t rc = iconv(m_cd, &inPtr, &inLeft, &outPtr, &outLeft);
            out.append(buffer, outPtr);
            if (rc != static_cast<std::size_t>(-1))
                continue;
            if (errno == E2BIG)
                continue;
            stoppedOnBadInput = errno == EILSEQ;
            break;
        }
        in.remove_prefix(in.size() - inLeft);
        return inLeft;
    }

private:
    iconv_t m_cd;
};

Converter& toUtf8() {
    thread_local Converter converter("UTF-8", "CP932");
    return converter;
}

Converter& toCp932() {
    thread_local Converter converter("CP932", "UTF-8");
    return converter;
}

// The length of the character `text` starts with; 1 for a byte that starts no whole UTF-8 character,
// so that the text after it is still converted.
std::size_t utf8SequenceLength(std::string_view text) {
    unsigned char lead = static_cast<unsigned char>(text[0]);
    std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    if (length > text.size())
        return 1;
    for (std::size_t i = 1; i < length; ++i)
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80)
            return 1;
    return length;
}

// CP932's code for each character of the Basic Multilingual Plane, 0 for none: iconv's own answer for
// each, asked once (a few milliseconds). Converting a file run by run through iconv took longer than all
// the rest of opening a drill.
using Cp932Codes = std::array<std::uint16_t, 0x10000>;

const Cp932Codes& cp932Codes() {
    static const std::unique_ptr<const Cp932Codes> codes = [] {
        auto table = std::make_unique<Cp932Codes>();
        Converter converter("CP932", "UTF-8");
        for (char32_t c = 0x80; c < 0x10000; ++c) {
            if (c >= 0xD800 && c <= 0xDFFF)
                continue;
            std::string utf8;
            appendUtf8(utf8, c);
            std::string_view in = utf8;
            std::string out;
            bool bad = false;
            if (converter.convert(in, out, bad) != 0)
                continue;
            // One or two bytes, the first in the high half.
            for (unsigned char byte : out)
                (*table)[c] = static_cast<std::uint16_t>((*table)[c] << 8 | byte);
        }
        return table;
    }();
    return *codes;
}

} // namespace

std::string decodeCp932(std::string_view sjis) {
    std::string out;
    out.reserve(sjis.size() * 3 / 2);
    bool bad = false;
    while (toUtf8().convert(sjis, out, bad) > 0) {
        out += "\xEF\xBF\xBD"; // U+FFFD
        // A bad double-byte pair is replaced as one character; a cut-off lead byte ends the text.
        sjis.remove_prefix(bad ? characterLength(sjis, 0) : sjis.size());
    }
    return out;
}

std::string encodeCp932(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    bool bad = false;
    while (toCp932().convert(utf8, out, bad) > 0) {
        out += '?';
        utf8.remove_prefix(bad ? utf8SequenceLength(utf8) : utf8.size());
    }
    return out;
}

std::size_t encodeCp932Prefix(std::string_view utf8, std::string& out) {
    const Cp932Codes& codes = cp932Codes();
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
        std::uint16_t code = c && *c < codes.size() ? codes[*c] : 0;
        if (code == 0)
            break;
        if (code > 0xFF)
            out += static_cast<char>(code >> 8);
        out += static_cast<char>(code & 0xFF);
        pos += length;
    }
    return pos;
}
