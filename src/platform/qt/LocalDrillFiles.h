#pragma once
#include "platform/DrillFiles.h"

// A drill's files on this machine: POSIX files, pictures decoded by Qt without a QApplication, waves
// decoded by SDL without its audio. Starts no window system, no sound device and no thread.
class LocalDrillFiles : public DrillFiles {
public:
    bool fileExists(const std::string& name) override;
    std::string readFile(const std::string& name, std::size_t maxBytes) override;
    std::optional<PictureSize> pictureSize(const std::string& name) override;
    std::optional<std::string> soundProblem(const std::string& name) override;
    std::string currentFolder() override;
    void setCurrentFolder(const std::string& folder) override;
};
