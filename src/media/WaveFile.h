#pragma once
#include <optional>
#include <string>
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

// Why the wave file `name` of these bytes would not play, as the learner reads it; nothing when it would.
// Plays means: a RIFF WAVE file with channels, a rate, and samples in an encoding both sound players decode.
std::optional<std::string> waveProblem(const std::string& name, std::string_view bytes);
