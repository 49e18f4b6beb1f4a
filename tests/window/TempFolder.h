#pragma once
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <stdlib.h>
#include <string>

// A fresh folder that is the current folder while the object lives, removed afterwards. Qt's own
// temporary folder cannot remove files whose names are no UTF-8.
struct TempFolder {
    TempFolder() { std::filesystem::current_path(path); }
    ~TempFolder() {
        std::filesystem::current_path(previous);
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
    // Writes a file under a name of raw bytes.
    void write(const std::string& name, const std::string& bytes) const {
        std::ofstream(path / name, std::ios::binary) << bytes;
    }
    static std::filesystem::path made() {
        std::string pattern = (std::filesystem::temp_directory_path() / "qm7w-test-XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            throw std::runtime_error("cannot make a temporary folder");
        return pattern;
    }

    const std::filesystem::path previous = std::filesystem::current_path(), path = made();
};
