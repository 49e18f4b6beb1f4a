#pragma once
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>

#include "fake/FakePlatform.h"

// The size a BMP header gives, nothing when the bytes are no BMP.
inline std::optional<PictureSize> bmpSize(const std::string& bytes) {
    if (bytes.size() < 26 || bytes.compare(0, 2, "BM") != 0)
        return std::nullopt;
    auto int32At = [&](std::size_t offset) {
        std::uint32_t value = 0;
        for (std::size_t i = 0; i < 4; ++i)
            value |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[offset + i])) << (8 * i);
        return static_cast<std::int32_t>(value);
    };
    // A negative height marks rows stored top-down.
    return PictureSize{int32At(18), std::abs(int32At(22))};
}

// Puts every file of a folder into the fake platform under its bare name, the way the program finds
// a drill's companion files beside it; BMP files also read as pictures of their header's size.
inline void loadSampleFiles(FakePlatform& platform, const std::filesystem::path& folder) {
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        if (!entry.is_regular_file())
            continue;
        std::ifstream in(entry.path(), std::ios::binary);
        std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        std::string name = entry.path().filename().string();
        if (entry.path().extension() == ".bmp")
            if (std::optional<PictureSize> size = bmpSize(bytes))
                platform.pictures[name] = *size;
        platform.files[name] = std::move(bytes);
    }
}
