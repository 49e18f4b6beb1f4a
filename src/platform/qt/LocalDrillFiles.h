#pragma once
#include "platform/posix/PosixFiles.h"

// A drill's files on this machine: POSIX files, pictures decoded by Qt without a QApplication, waves
// decoded by SDL without its audio. Starts no window system, no sound device and no thread.
class LocalDrillFiles : public PosixFiles {
public:
    std::optional<PictureSize> pictureSize(const std::string& name) override;
    std::optional<std::string> soundProblem(const std::string& name) override;
};
