#include "platform/qt/LocalFile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/Cp932.h"

namespace {

bool pathExists(const std::string& name) {
    struct stat info {};
    return ::stat(name.c_str(), &info) == 0;
}

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// The new file keeps the old one's permissions; a new one gets the usual ones.
mode_t modeFor(const std::string& name) {
    struct stat info {};
    if (::stat(name.c_str(), &info) == 0)
        return info.st_mode & 07777;
    mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

std::string folderOf(const std::string& name) {
    std::size_t slash = name.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : name.substr(0, slash);
}

// Makes the rename itself durable; a failure here changes nothing about the file's contents.
void syncFolder(const std::string& folder) {
    int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

} // namespace

std::string localFileName(const std::string& sjisName) {
    std::string utf8 = decodeCp932(sjisName);
    if (utf8 == sjisName || pathExists(utf8))
        return utf8;
    if (pathExists(sjisName))
        return sjisName;
    // A file still to be made goes into a folder that exists: a folder from the file system (the
    // program's own) comes back as its own bytes, which may also read as Shift-JIS ("josé" does).
    bool lossless = encodeCp932(utf8) == sjisName;
    if (lossless && pathExists(folderOf(utf8)))
        return utf8;
    if (pathExists(folderOf(sjisName)))
        return sjisName;
    return lossless ? utf8 : sjisName;
}

std::string sjisFileName(const std::string& localName) {
    std::string sjisName = encodeCp932(localName);
    return decodeCp932(sjisName) == localName ? sjisName : localName;
}

bool isExistingFile(const std::string& localName) {
    struct stat info {};
    return ::stat(localName.c_str(), &info) == 0 && !S_ISDIR(info.st_mode);
}

std::optional<std::string> readLocalFile(const std::string& localName) {
    int fd = ::open(localName.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    std::string bytes;
    char buffer[65536];
    for (;;) {
        ssize_t count = ::read(fd, buffer, sizeof buffer);
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0) {
            ::close(fd);
            return std::nullopt;
        }
        if (count == 0)
            break;
        bytes.append(buffer, static_cast<std::size_t>(count));
    }
    ::close(fd);
    return bytes;
}

bool replaceLocalFile(const std::string& localName, std::string_view bytes) {
    std::string temporary = localName + ".XXXXXX";
    int fd = ::mkstemp(temporary.data());
    if (fd < 0)
        return false;
    bool written = ::fchmod(fd, modeFor(localName)) == 0 && writeAll(fd, bytes) && ::fsync(fd) == 0;
    written = ::close(fd) == 0 && written;
    if (!written || ::rename(temporary.c_str(), localName.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return false;
    }
    syncFolder(folderOf(localName));
    return true;
}
