#include "platform/win32/CheckCommand.h"

#include "platform/win32/ConsoleOutput.h"
#include "platform/win32/Win32Files.h"
#include "questions/DrillCheck.h"

int runDrillCheck(const std::vector<std::string>& files) {
    // Files alone: no window is made and no sound device opened.
    Win32Files drillFiles;
    const std::string start = drillFiles.currentFolder();
    std::size_t opening = 0;
    for (const std::string& file : files) {
        // Companion files are found in the drill's folder, as after choosing it in the open dialog.
        DrillCheck check = CheckDrill(drillFiles, drillFiles.enterFolderOf(file), file);
        drillFiles.setCurrentFolder(start);
        writeOutput(check.report);
        opening += check.opens ? 1 : 0;
    }
    writeOutput(DrillCheckSummary(files.size(), opening));
    return DrillCheckStatus(files.size(), opening);
}
