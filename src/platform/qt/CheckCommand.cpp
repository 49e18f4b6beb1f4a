#include "platform/qt/CheckCommand.h"

#include <filesystem>
#include <iostream>

#include "platform/qt/LocalFile.h"
#include "platform/qt/QtPlatform.h"
#include "questions/DrillCheck.h"

int runDrillCheck(const std::vector<std::string>& files) {
    if (files.empty()) {
        std::cerr << "qm7w --check FILE...\n";
        return 1;
    }
    // Only the platform's files are used, which need no QApplication.
    QtPlatform platform;
    std::error_code error;
    const std::filesystem::path start = std::filesystem::current_path(error);
    bool allOpen = true;
    for (const std::string& file : files) {
        // Companion files are found in the drill's folder, as after choosing it in the open dialog.
        std::filesystem::path path = std::filesystem::absolute(file, error).lexically_normal();
        std::filesystem::current_path(path.parent_path(), error);
        DrillCheck check = CheckDrill(platform, sjisFileName(path.string()), file);
        std::filesystem::current_path(start, error);
        std::cout << check.report;
        allOpen = allOpen && check.opens;
    }
    std::cout.flush();
    return allOpen ? 0 : 1;
}
