#include "platform/qt/LocalDrillFiles.h"

#include <QImage>

#include "media/WaveFile.h"
#include "platform/AppError.h"
#include "platform/posix/LocalFile.h"
#include "platform/qt/PictureFile.h"
#include "text/Cp932.h"
#include "text/Limits.h"

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
        return waveProblem(name, readLimitedLocalFile(name, MediaFileLimit));
    } catch (const AppError& unreadable) {
        return unreadable.what();
    }
}
