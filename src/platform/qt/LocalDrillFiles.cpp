#include "platform/qt/LocalDrillFiles.h"

#include <QImage>
#include <filesystem>

#include "platform/AppError.h"
#include "platform/posix/LocalFile.h"
#include "platform/qt/PictureFile.h"
#include "platform/sdl/SdlSoundPlayer.h"
#include "text/Cp932.h"
#include "text/Limits.h"

bool LocalDrillFiles::fileExists(const std::string& name) {
    return isExistingFile(localFileName(name));
}

std::string LocalDrillFiles::readFile(const std::string& name, std::size_t maxBytes) {
    std::optional<std::string> bytes = readLocalFile(localFileName(name), maxBytes);
    if (!bytes)
        throw AppError(CannotOpenText(name));
    return std::move(*bytes);
}

std::optional<PictureSize> LocalDrillFiles::pictureSize(const std::string& name) {
    QImage picture;
    try {
        picture = loadPicture(name);
    } catch (const std::bad_alloc&) {
        // Said as for any picture that cannot be read, so a run shows its question all the same.
        throw AppError(OutOfMemoryText());
    }
    if (picture.isNull())
        return std::nullopt;
    return PictureSize{picture.width(), picture.height()};
}

std::optional<std::string> LocalDrillFiles::soundProblem(const std::string& name) {
    try {
        return waveProblem(readLimitedLocalFile(name, MediaFileLimit));
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
