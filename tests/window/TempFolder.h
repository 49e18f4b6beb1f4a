#pragma once
#include <filesystem>
#include <string>

// A fresh folder that is the current folder while the object lives, removed afterwards.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return m_path; }
    // Writes a file under a name of raw bytes, relative to the folder.
    void write(const std::string& name, const std::string& bytes) const;

private:
    std::filesystem::path m_path;
    std::filesystem::path m_previous;
};
