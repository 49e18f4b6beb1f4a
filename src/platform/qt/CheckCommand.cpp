#include "platform/qt/CheckCommand.h"

#include <filesystem>
#include <iostream>

#include "platform/posix/LocalFile.h"
#include "platform/qt/LocalDrillFiles.h"
#include "questions/DrillCheck.h"

namespace {

// The files named, a folder standing for its own ".m7" files in name order.
std::vector<std::string> drillFiles(const std::vector<std::string>& names) {
    std::vector<std::string> files;
    for (const std::string& name : names) {
        std::error_code error;
        if (!std::filesystem::is_directory(name, error)) {
            files.push_back(name);
            continue;
        }
        std::vector<std::string> found;
        for (const auto& entry : std::filesystem::directory_iterator(name, error))
            if (!entry.is_directory(error))
                found.push_back(entry.path().filename().string());
        for (const std::string& drill : DrillFilesAmong(found))
            files.push_back((std::filesystem::path(name) / drill).string());
    }
    return files;
}

} // namespace

int runDrillCheck(const std::vector<std::string>& names) {
    LocalDrillFiles drills;
    std::error_code error;
    const std::filesystem::path start = std::filesystem::current_path(error);
    const std::vector<std::string> files = drillFiles(names);
    std::size_t opening = 0;
    for (const std::string& file : files) {
        // Companion files are found in the drill's folder, as after choosing it in the open dialog.
        std::filesystem::path path = std::filesystem::absolute(file, error).lexically_normal();
        std::filesystem::current_path(path.parent_path(), error);
        DrillCheck check = CheckDrill(drills, sjisFileName(path.string()), file);
        std::filesystem::current_path(start, error);
        std::cout << check.report;
        opening += check.opens ? 1 : 0;
    }
    std::cout << DrillCheckSummary(files.size(), opening);
    std::cout.flush();
    return DrillCheckStatus(files.size(), opening);
}
