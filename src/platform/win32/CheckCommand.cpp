#include "platform/win32/CheckCommand.h"

#include <utility>
#include <windows.h>

#include "platform/AppError.h"
#include "platform/win32/ConsoleOutput.h"
#include "platform/win32/FileNames.h"
#include "platform/win32/WideText.h"
#include "platform/win32/Win32Files.h"
#include "questions/DrillCheck.h"

namespace {

// The names of the files in `folder`, in UTF-8 as a Linux folder gives them, so that they sort alike.
std::vector<std::string> fileNamesIn(const std::wstring& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAW entry{};
    HANDLE search = FindFirstFileW((folder + L"*").c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do {
        if ((entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0)
            names.push_back(utf8FromWide(entry.cFileName));
    } while (FindNextFileW(search, &entry));
    FindClose(search);
    return names;
}

// The files named, a folder standing for its own ".m7" files in name order: each as the core takes it
// and as the report shows it.
std::vector<std::pair<std::string, std::string>> drillFiles(const std::vector<std::string>& names) {
    std::vector<std::pair<std::string, std::string>> files;
    for (const std::string& name : names) {
        std::wstring wide = wideFileName(name);
        if (!isFolder(wide)) {
            files.emplace_back(name, utf8FromWide(wide));
            continue;
        }
        if (wide.back() != L'\\')
            wide += L'\\';
        for (const std::string& drill : DrillFilesAmong(fileNamesIn(wide))) {
            std::wstring file = wide + wideFromUtf8(drill);
            files.emplace_back(coreFileName(file), utf8FromWide(file));
        }
    }
    return files;
}

} // namespace

int runDrillCheck(const std::vector<std::string>& names) {
    // Files alone: no window is made and no sound device opened.
    Win32Files fileSystem;
    const std::string start = fileSystem.currentFolder();
    const auto files = drillFiles(names);
    std::size_t opening = 0;
    for (const auto& [file, shownName] : files) {
        // Companion files are found in the drill's folder, as after choosing it in the open dialog; a
        // folder that cannot be entered still lets the drill itself be checked.
        std::string drill = file;
        try {
            drill = fileSystem.enterFolderOf(file);
        } catch (const AppError&) {
        }
        DrillCheck check = CheckDrill(fileSystem, drill, shownName);
        fileSystem.setCurrentFolder(start);
        writeOutput(check.report);
        opening += check.opens ? 1 : 0;
    }
    writeOutput(DrillCheckSummary(files.size(), opening));
    return DrillCheckStatus(files.size(), opening);
}
