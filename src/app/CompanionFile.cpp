#include "app/CompanionFile.h"

#include "model/Program.h"

std::string CompanionFile(const Program& program, const std::string& name) {
    const std::string& folder = program.Run.ProgramDir;
    std::string beside = folder + name;
    if (folder.empty() || program.platform.files.fileExists(beside))
        return beside;
    std::string installed = program.platform.files.installedDataFolder(folder) + name;
    return program.platform.files.fileExists(installed) ? installed : beside;
}

bool InstalledProgram(const Program& program) {
    // The help file goes wherever the program's own files go.
    const std::string& folder = program.Run.ProgramDir;
    return !folder.empty() && CompanionFile(program, "Qm7wh.hlp") != folder + "Qm7wh.hlp";
}
