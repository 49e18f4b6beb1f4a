#include "platform/qt/LocalDrillFiles.h"

#include <QImage>
#include <filesystem>

#include "platform/AppError.h"
#include "platform/Cp932.h"
#include "platform/qt/LocalFile.h"
#include "platform/qt/PictureFile.h"
#include "platform/qt/SdlSoundPlayer.h"

bool LocalDrillFiles::fileExists(const std::string& name) {
    return isExistingFile(localFileName(name));
}

std::string LocalDrillFiles::readFile(const std::string& name) {
    std::optional<std::string> bytes = readLocalFile(localFileName(name));
    if (!bytes)
        throw AppError(sjis("ﾌｧｲﾙ ") + name + sjis(" は開けません"));
    return *bytes;
}

std::optional<PictureSize> LocalDrillFiles::pictureSize(const std::string& name) {
    QImage picture = loadPicture(name);
    if (picture.isNull())
        return std::nullopt;
    return PictureSize{picture.width(), picture.height()};
}

std::optional<std::string> LocalDrillFiles::soundProblem(const std::string& name) {
    try {
        return waveProblem(readFile(name));
    } catch (const AppError& unreadable) {
        return unreadable.what();
    }
}

std::string LocalDrillFiles::currentFolder() {
    std::error_code error;
    return std::filesystem::current_path(error).string();
}

void LocalDrillFiles::setCurrentFolder(const std::string& folder) {
    // Going back after a refused Open: a folder that has gone since leaves the current one as it is.
    std::error_code gone;
    if (!folder.empty())
        std::filesystem::current_path(folder, gone);
}
