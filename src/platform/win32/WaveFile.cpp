#include "platform/win32/WaveFile.h"

#include <cstdint>

namespace {

std::uint32_t littleEndian32(std::string_view bytes, std::size_t at) {
    std::uint32_t value = 0;
    for (std::size_t i = 4; i-- > 0;)
        value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

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
        std::size_t size = littleEndian32(bytes, at + 4);
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
