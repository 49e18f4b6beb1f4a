#pragma once
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <windows.h>

#include "platform/Files.h"

// Files on Windows: every name through the wide functions, every file in binary, the results log
// replaced atomically and locked across read, add and replace. Names are Shift-JIS with "/" between
// folders; failures are thrown as AppError.
class Win32Files : public Files {
public:
    Win32Files() = default;
    ~Win32Files();
    Win32Files(const Win32Files&) = delete;
    Win32Files& operator=(const Win32Files&) = delete;

    bool fileExists(const std::string& name) override;
    // Only a file on a disk is read: a pipe, a console or a device cannot be opened.
    std::string readFile(const std::string& name, std::size_t maxBytes) override;
    void readFileInPieces(const std::string& name, const std::function<void(std::string_view)>& take) override;
    // Writes a temporary file beside the target, flushes it to the disk and moves it over the target.
    void replaceFile(const std::string& name, const std::string& bytes) override;
    std::string executablePath() override;
    // A folder under Program Files counts as read-only: it is for installed programs, never for a
    // learner's records, even when an administrator could write there.
    bool folderWritable(const std::string& folder) override;
    void makeFolders(const std::string& folder) override;
    bool lockFile(const std::string& name) override;
    void unlockFile(const std::string& name) override;
    std::optional<PictureSize> pictureSize(const std::string& name) override;
    std::optional<std::string> soundProblem(const std::string& name) override;
    // Given back as the file system spells it, so a name Shift-JIS cannot hold goes back whole.
    std::string currentFolder() override;
    void setCurrentFolder(const std::string& folder) override;
    // A file named on the command line as the open dialog would give it: its full name, its folder made
    // the current folder when there is one.
    std::string enterFolderOf(const std::string& name);
    // %APPDATA%/qm7w/, which follows the learner's profile on a school network; nothing when unknown.
    std::optional<std::string> learnerDataFolder() override;
    // The setup puts the program's own files beside it.
    std::string installedDataFolder(const std::string& programFolder) override { return programFolder; }

private:
    // Hands the file to `take` a piece at a time until it returns false or the file ends.
    void readPieces(const std::string& name, const std::function<bool(std::string_view)>& take);

    std::map<std::string, HANDLE> m_locks; // file name -> handle of its lock file
};
