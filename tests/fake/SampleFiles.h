#pragma once
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "fake/FakePlatform.h"

// Puts every file of a folder into the fake platform under its bare name, the way the program finds
// a drill's companion files beside it; a BMP also reads as a picture of its header's size.
inline void loadSampleFiles(FakePlatform& platform, const std::filesystem::path& folder) {
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        std::ifstream in(entry.path(), std::ios::binary);
        std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        auto int32At = [&](std::size_t offset) {
            std::uint32_t value = 0;
            for (std::size_t i = 4; i-- > 0;)
                value = value << 8 | static_cast<unsigned char>(bytes[offset + i]);
            return static_cast<std::int32_t>(value);
        };
        std::string name = entry.path().filename().string();
        // A negative height marks rows stored top-down.
        if (entry.path().extension() == ".bmp" && bytes.size() >= 26 && bytes.compare(0, 2, "BM") == 0)
            platform.pictures[name] = PictureSize{int32At(18), std::abs(int32At(22))};
        platform.files[name] = std::move(bytes);
    }
}
