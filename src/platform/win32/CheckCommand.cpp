#include "platform/win32/CheckCommand.h"

#include "platform/win32/ConsoleOutput.h"
#include "platform/win32/Win32Platform.h"
#include "questions/DrillCheck.h"

int runDrillCheck(const std::vector<std::string>& files) {
    // Only the platform's files are used: no window is made and no sound device opened.
    Win32Platform platform;
    const std::string start = platform.currentFolder();
    bool allOpen = true;
    for (const std::string& file : files) {
        // Companion files are found in the drill's folder, as after choosing it in the open dialog.
        DrillCheck check = CheckDrill(platform, platform.files().enterFolderOf(file), file);
        platform.setCurrentFolder(start);
        writeOutput(check.report);
        allOpen = allOpen && check.opens;
    }
    return allOpen ? 0 : 1;
}
