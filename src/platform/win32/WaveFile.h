#pragma once
#include <optional>
#include <string_view>

// The two chunks of a RIFF WAVE file that a wave device needs: the format (a WAVEFORMAT record and what
// follows it) and the samples. Views into the file's bytes.
struct WaveFile {
    std::string_view format;
    std::string_view samples;
};

// Nothing when the bytes are no RIFF WAVE file or lack either chunk. A samples chunk longer than the
// file (a recording cut off) is taken as far as it goes.
std::optional<WaveFile> parseWaveFile(std::string_view bytes);
