#include "platform/posix/PosixFiles.h"

#include <cstdlib>
#include <filesystem>

#include "platform/AppError.h"
#include "platform/posix/LocalFile.h"
#include "text/Cp932.h"
#include "text/Limits.h"

namespace {

// An environment variable naming an absolute folder, as a Shift-JIS file name; nothing when unset, empty or
// relative.
std::optional<std::string> absoluteFolderFromEnvironment(const char* variable) {
    const char* value = std::getenv(variable);
    if (value == nullptr || *value != '/')
        return std::nullopt;
    return sjisFileName(value);
}

} // namespace

bool PosixFiles::fileExists(const std::string& name) {
    return isExistingFile(localFileName(name));
}

std::string PosixFiles::readFile(const std::string& name, std::size_t maxBytes) {
    std::optional<std::string> bytes = readLocalFile(localFileName(name), maxBytes);
    if (!bytes)
        throw AppError(CannotOpenText(name));
    return std::move(*bytes);
}

std::string PosixFiles::currentFolder() {
    std::error_code error;
    return std::filesystem::current_path(error).string();
}

void PosixFiles::setCurrentFolder(const std::string& folder) {
    // Going back after a refused Open: a folder that has gone since leaves the current one as it is.
    std::error_code gone;
    if (!folder.empty())
        std::filesystem::current_path(folder, gone);
}

void PosixFiles::readFileInPieces(const std::string& name, const std::function<void(std::string_view)>& take) {
    if (!readLocalFileInPieces(localFileName(name), take))
        throw AppError(CannotOpenText(name));
}

void PosixFiles::replaceFile(const std::string& name, const std::string& bytes) {
    if (!replaceLocalFile(localFileName(name), bytes))
        throw AppError(sjis("ﾌｧｲﾙ ") + name + sjis(" を作成できません"));
}

std::string PosixFiles::executablePath() {
    std::error_code error;
    std::filesystem::path path = std::filesystem::read_symlink("/proc/self/exe", error);
    return sjisFileName(error ? std::string() : path.string());
}

bool PosixFiles::folderWritable(const std::string& folder) {
    return isWritableFolder(localFileName(folder));
}

void PosixFiles::makeFolders(const std::string& folder) {
    makeLocalFolders(localFileName(folder));
}

bool PosixFiles::lockFile(const std::string& name) {
    int lock = lockLocalFile(localFileName(name));
    if (lock < 0)
        return false;
    m_locks[name] = lock;
    return true;
}

void PosixFiles::unlockFile(const std::string& name) {
    auto found = m_locks.find(name);
    if (found == m_locks.end())
        return;
    unlockLocalFile(localFileName(name), found->second);
    m_locks.erase(found);
}

std::optional<std::string> PosixFiles::learnerDataFolder() {
    // The XDG base directories: only an absolute folder counts.
    if (std::optional<std::string> data = absoluteFolderFromEnvironment("XDG_DATA_HOME"))
        return *data + "/qm7w/";
    if (std::optional<std::string> home = absoluteFolderFromEnvironment("HOME"))
        return *home + "/.local/share/qm7w/";
    return std::nullopt;
}

std::string PosixFiles::installedDataFolder(const std::string& programFolder) {
    // An installed program lies in <prefix>/bin/, its shared files in <prefix>/share/qm7w/. On POSIX "/" is
    // never the second byte of a Shift-JIS character.
    std::string bin = programFolder.substr(0, programFolder.size() - 1);
    return bin.substr(0, bin.rfind('/') + 1) + "share/qm7w/";
}
