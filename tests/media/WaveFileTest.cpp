#include <gtest/gtest.h>

#include "media/WaveFile.h"
#include "text/Cp932.h"

namespace {

std::string chunk(std::string_view id, std::string body) {
    std::string size(4, '\0');
    for (std::size_t i = 0; i < 4; ++i)
        size[i] = static_cast<char>(body.size() >> (8 * i));
    return std::string(id) + size + body + (body.size() % 2 ? std::string(1, '\0') : "");
}

TEST(WaveFile, FindsFormatAndSamplesOrRefuses) {
    const std::string format(16, 'f');
    const std::string riff = "RIFF....WAVE";
    // Chunks of odd length are padded; a samples chunk cut off is taken as far as it goes.
    std::string wave = riff + chunk("LIST", "odd") + chunk("fmt ", format) + chunk("data", "samples");
    std::optional<WaveFile> parsed = parseWaveFile(wave);
    ASSERT_TRUE(parsed);
    EXPECT_EQ(parsed->format, format);
    EXPECT_EQ(parsed->samples, "samples");
    std::string cut = riff + chunk("fmt ", format) + chunk("data", "samples").substr(0, 11);
    EXPECT_EQ(parseWaveFile(cut)->samples, "sam");

    for (const std::string& refused : {std::string("RIFF....AVI "), riff + chunk("data", "x"),
                                       riff + chunk("fmt ", "short") + chunk("data", "x"), std::string("RIFF")})
        EXPECT_FALSE(parseWaveFile(refused)) << testing::PrintToString(refused);
}

// A wave of this format record: tag, channels, rate, bytes a second, block size, bits, then `extra`.
std::string wave(int tag, int channels, int rate, int bits, std::string extra = "") {
    std::string format;
    for (auto [value, size] : {std::pair{tag, 2}, {channels, 2}, {rate, 4}, {rate, 4}, {1, 2}, {bits, 2}})
        for (int i = 0; i < size; ++i)
            format += static_cast<char>(value >> (8 * i));
    return "RIFF....WAVE" + chunk("fmt ", format + extra) + chunk("data", "..");
}

TEST(WaveFile, PlaysTheEncodingsBothPlayersDecode) {
    // WAVE_FORMAT_EXTENSIBLE: size, valid bits, channel mask, then the subformat GUID opening with its tag.
    auto extensible = [](int tag) { return std::string("\x16\0\x10\0\3\0\0\0", 8) + char(tag) + std::string(15, 0); };
    const std::string playable[] = {wave(1, 1, 8000, 8),    wave(1, 2, 44100, 16),
                                    wave(1, 1, 8000, 24),   wave(1, 1, 8000, 32),
                                    wave(3, 1, 8000, 32),   wave(6, 1, 8000, 8),
                                    wave(7, 1, 8000, 8),    wave(2, 1, 8000, 4),
                                    wave(0x11, 1, 8000, 4), wave(0xFFFE, 2, 48000, 16, extensible(1))};
    for (const std::string& bytes : playable)
        EXPECT_EQ(waveProblem("a.wav", bytes), std::nullopt) << testing::PrintToString(bytes);
    const std::string unplayable[] = {wave(1, 0, 8000, 8),
                                      wave(1, 1, 0, 8),
                                      wave(1, 1, 8000, 12),
                                      wave(3, 1, 8000, 64),
                                      wave(6, 1, 8000, 16),
                                      wave(0x55, 1, 8000, 0),
                                      wave(0xFFFE, 2, 48000, 16, extensible(0x55)),
                                      wave(0xFFFE, 2, 48000, 16)};
    for (const std::string& bytes : unplayable)
        EXPECT_EQ(waveProblem("a.wav", bytes), sjis("ﾌｧｲﾙ a.wav は鳴らせない WAVE 形式です"))
            << testing::PrintToString(bytes);
    EXPECT_EQ(waveProblem("a.wav", "RIFF"), sjis("ﾌｧｲﾙ a.wav は WAVE 形式ではありません"));
}

} // namespace
