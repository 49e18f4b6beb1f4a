#pragma once
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "platform/DrillFiles.h"

// The results log and the program's own files besides a drill's. Every file name is Shift-JIS bytes with "/"
// between folders; relative names resolve against the current folder. Failures are thrown as AppError.
class Files : public DrillFiles {
public:
    // Hands the file to `take` a piece at a time, in order: a file of any length in little memory.
    virtual void readFileInPieces(const std::string& name, const std::function<void(std::string_view)>& take) = 0;
    // Replaces the whole file, so that a failure at any point leaves the old file whole.
    virtual void replaceFile(const std::string& name, const std::string& bytes) = 0;
    virtual std::string executablePath() = 0;
    // Whether files can be made in the folder; a folder made read-only counts as such even for root.
    virtual bool folderWritable(const std::string& folder) = 0;
    // Makes the folder and its missing parents; a failure shows at the first write into it.
    virtual void makeFolders(const std::string& folder) = 0;
    // Waits for the advisory lock that every writer of the file takes; false when it cannot be had.
    // The new holder removes the temporary files that killed writers of the file left behind.
    virtual bool lockFile(const std::string& name) = 0;
    virtual void unlockFile(const std::string& name) = 0;

    // The folder of this user's own data for the program, ended by "/"; nothing when the system names none.
    virtual std::optional<std::string> learnerDataFolder() = 0;
    // Where an installed program's shared files lie, given the program's own folder (ended by "/"); the
    // result is ended by "/".
    virtual std::string installedDataFolder(const std::string& programFolder) = 0;
};
