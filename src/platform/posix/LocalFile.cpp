#include "platform/posix/LocalFile.h"

#include <algorithm>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>
#include <vector>

#include "platform/AppError.h"
#include "text/Cp932.h"
#include "text/Limits.h"

namespace {

// Temporary files of a replacement are "<name>.writing-XXXXXX", a name no learner's own file has.
constexpr const char* TemporaryInfix = ".writing-";
constexpr std::size_t TemporaryTail = 6;

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

std::string baseOf(const std::string& name) {
    std::size_t slash = name.rfind('/');
    return slash == std::string::npos ? name : name.substr(slash + 1);
}

// Under the lock no writer is half-way, so every temporary file of the name is a killed writer's.
void removeTemporaryFiles(const std::string& localName) {
    std::string folder = folderOf(localName);
    std::string prefix = baseOf(localName) + TemporaryInfix;
    DIR* entries = ::opendir(folder.c_str());
    if (entries == nullptr)
        return;
    while (const dirent* entry = ::readdir(entries)) {
        std::string name = entry->d_name;
        if (name.size() == prefix.size() + TemporaryTail && name.compare(0, prefix.size(), prefix) == 0)
            ::unlink((folder + "/" + name).c_str());
    }
    ::closedir(entries);
}

// The file a chain of symbolic links ends at, which need not exist; the name itself when it is no link.
std::string linkTarget(std::string name) {
    constexpr int MostLinks = 40; // as the kernel follows
    for (int links = 0; links < MostLinks; ++links) {
        struct stat info {};
        if (::lstat(name.c_str(), &info) != 0 || !S_ISLNK(info.st_mode))
            return name;
        std::string target(static_cast<std::size_t>(info.st_size) + 1, '\0');
        ssize_t length = ::readlink(name.c_str(), target.data(), target.size());
        if (length <= 0 || static_cast<std::size_t>(length) >= target.size())
            return name;
        target.resize(static_cast<std::size_t>(length));
        name = target.front() == '/' ? target : folderOf(name) + "/" + target;
    }
    return name;
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

bool readLocalFileInPieces(const std::string& localName, const std::function<void(std::string_view)>& take,
                           std::size_t maxBytes) {
    // Without O_NONBLOCK, opening a FIFO waits for a writer; the descriptor itself is checked, so the
    // name cannot become something else between the check and the reading.
    int fd = ::open(localName.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return false;
    // Closed also when `take` throws.
    std::unique_ptr<int, void (*)(int*)> closer(&fd, [](int* open) { ::close(*open); });
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode))
        return false;
    std::vector<char> buffer(65536);
    for (std::size_t left = maxBytes; left > 0;) {
        ssize_t count = ::read(fd, buffer.data(), std::min(buffer.size(), left));
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
            return count == 0;
        take(std::string_view(buffer.data(), static_cast<std::size_t>(count)));
        left -= static_cast<std::size_t>(count);
    }
    return true;
}

std::optional<std::string> readLocalFile(const std::string& localName, std::size_t maxBytes) {
    std::string bytes;
    if (!readLocalFileInPieces(
            localName, [&](std::string_view piece) { bytes += piece; }, maxBytes))
        return std::nullopt;
    return bytes;
}

std::string readLimitedLocalFile(const std::string& sjisName, std::size_t limit) {
    std::optional<std::string> bytes = readLocalFile(localFileName(sjisName), limit + 1);
    if (!bytes)
        throw AppError(CannotOpenText(sjisName));
    if (bytes->size() > limit)
        throw AppError(TooLargeText(sjisName, limit));
    return std::move(*bytes);
}

bool replaceLocalFile(const std::string& linkName, std::string_view bytes) {
    // A log kept elsewhere through a link stays linked: its target is what is replaced.
    std::string localName = linkTarget(linkName);
    std::string temporary = localName + TemporaryInfix + std::string(TemporaryTail, 'X');
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

bool isWritableFolder(const std::string& localName) {
    struct stat info {};
    struct statvfs volume {};
    if (::stat(localName.c_str(), &info) != 0 || !S_ISDIR(info.st_mode) || ::access(localName.c_str(), W_OK) != 0)
        return false;
    if (::statvfs(localName.c_str(), &volume) == 0 && (volume.f_flag & ST_RDONLY) != 0)
        return false;
    return ::geteuid() != 0 || (info.st_mode & 0222) != 0;
}

void makeLocalFolders(const std::string& localName) {
    for (std::size_t slash = 1; slash != std::string::npos; slash = localName.find('/', slash + 1))
        ::mkdir(localName.substr(0, slash).c_str(), 0700);
    ::mkdir(localName.c_str(), 0700);
}

int lockLocalFile(const std::string& linkName) {
    // Beside the file itself, where every writer through any link finds it.
    std::string localName = linkTarget(linkName);
    std::string lockName = localName + ".lock";
    for (;;) {
        int fd = ::open(lockName.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
        if (fd < 0)
            return -1;
        int locked;
        do
            locked = ::flock(fd, LOCK_EX);
        while (locked != 0 && errno == EINTR);
        // The holder before us removes the lock file on release: ours counts only if it is still the named one.
        struct stat held {
        }, named{};
        if (locked == 0 && ::fstat(fd, &held) == 0 && ::stat(lockName.c_str(), &named) == 0 &&
            held.st_dev == named.st_dev && held.st_ino == named.st_ino) {
            removeTemporaryFiles(localName);
            return fd;
        }
        ::close(fd);
        if (locked != 0)
            return -1;
    }
}

void unlockLocalFile(const std::string& linkName, int lock) {
    ::unlink((linkTarget(linkName) + ".lock").c_str());
    ::close(lock);
}
