#include "app/CompanionFile.h"

#include "app/ProgramFolder.h"
#include "model/Program.h"

std::string CompanionFile(const Program& program, const std::string& name) {
    const std::string& folder = program.Run.ProgramDir;
    std::string beside = folder + name;
    if (folder.empty() || program.platform.fileExists(beside))
        return beside;
    std::string installed = ProgramFolder(folder.substr(0, folder.size() - 1)) + "share/qm7w/" + name;
    return program.platform.fileExists(installed) ? installed : beside;
}

bool InstalledProgram(const Program& program) {
    // The help file goes wherever the program's own files go.
    const std::string& folder = program.Run.ProgramDir;
    return !folder.empty() && CompanionFile(program, "Qm7wh.hlp") != folder + "Qm7wh.hlp";
}
