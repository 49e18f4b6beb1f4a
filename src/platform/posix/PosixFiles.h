#pragma once
#include <map>

#include "platform/Files.h"

// Files, locks and the program's path on a POSIX system. Pictures and sounds are decoded by whoever derives
// from it; it starts no window system, no sound device and no thread.
class PosixFiles : public Files {
public:
    bool fileExists(const std::string& name) override;
    std::string readFile(const std::string& name, std::size_t maxBytes) override;
    std::string currentFolder() override;
    void setCurrentFolder(const std::string& folder) override;

    void readFileInPieces(const std::string& name, const std::function<void(std::string_view)>& take) override;
    void replaceFile(const std::string& name, const std::string& bytes) override;
    std::string executablePath() override;
    bool folderWritable(const std::string& folder) override;
    void makeFolders(const std::string& folder) override;
    bool lockFile(const std::string& name) override;
    void unlockFile(const std::string& name) override;
    std::optional<std::string> learnerDataFolder() override;
    std::string installedDataFolder(const std::string& programFolder) override;

private:
    std::map<std::string, int> m_locks; // file name -> lock descriptor
};
