#include "media/WaveFile.h"

#include <cstdint>

#include "text/Cp932.h"

namespace {

std::uint32_t littleEndian(std::string_view bytes, std::size_t at, std::size_t size = 4) {
    std::uint32_t value = 0;
    for (std::size_t i = size; i-- > 0;)
        value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

// Whether samples of this encoding (a WAVE format tag) and width decode.
bool decodable(std::uint32_t tag, std::uint32_t bits) {
    switch (tag) {
    case 0x0001: // PCM
        return bits == 8 || bits == 16 || bits == 24 || bits == 32;
    case 0x0003: // IEEE float
        return bits == 32;
    case 0x0006: // A-law
    case 0x0007: // mu-law
        return bits == 8;
    case 0x0002: // MS ADPCM
    case 0x0011: // IMA ADPCM
        return true;
    default:
        return false;
    }
}

// WAVE_FORMAT_EXTENSIBLE: the real tag opens the subformat GUID after the extended record.
constexpr std::uint32_t ExtensibleTag = 0xFFFE;
constexpr std::size_t ExtensibleSize = 40;

// The smallest format record a wave device reads: tag, channels, rate, bytes per second, block size, bits.
constexpr std::size_t WaveFormatSize = 16;

} // namespace

std::optional<WaveFile> parseWaveFile(std::string_view bytes) {
    if (bytes.size() < 12 || bytes.substr(0, 4) != "RIFF" || bytes.substr(8, 4) != "WAVE")
        return std::nullopt;
    std::optional<std::string_view> format;
    std::optional<std::string_view> samples;
    // Chunks follow one another, each padded to an even length.
    for (std::size_t at = 12; at + 8 <= bytes.size() && !(format && samples);) {
        std::string_view id = bytes.substr(at, 4);
        std::size_t size = littleEndian(bytes, at + 4);
        std::string_view body = bytes.substr(at + 8, size);
        if (id == "fmt ")
            format = body;
        else if (id == "data")
            samples = body;
        if (size > bytes.size() - at - 8)
            break;
        at += 8 + size + size % 2;
    }
    if (!format || !samples || format->size() < WaveFormatSize)
        return std::nullopt;
    return WaveFile{*format, *samples};
}

std::optional<std::string> waveProblem(const std::string& name, std::string_view bytes) {
    std::optional<WaveFile> wave = parseWaveFile(bytes);
    if (!wave)
        return sjis("ﾌｧｲﾙ ") + name + sjis(" は WAVE 形式ではありません");
    std::string_view format = wave->format;
    std::uint32_t tag = littleEndian(format, 0, 2);
    if (tag == ExtensibleTag)
        tag = format.size() < ExtensibleSize ? 0 : littleEndian(format, 24, 2);
    if (littleEndian(format, 2, 2) == 0 || littleEndian(format, 4) == 0 || !decodable(tag, littleEndian(format, 14, 2)))
        return sjis("ﾌｧｲﾙ ") + name + sjis(" は鳴らせない WAVE 形式です");
    return std::nullopt;
}
