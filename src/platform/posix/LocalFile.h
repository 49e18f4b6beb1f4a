#pragma once
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

// File names reach the platform as Shift-JIS bytes; the file system holds UTF-8 names.

// The name to use on disk: the UTF-8 spelling when such a file exists, else the raw bytes when that
// file exists; for a file still to be made, the spelling whose folder exists, UTF-8 first unless it
// would lose bytes.
std::string localFileName(const std::string& sjisName);

// A name from the file system as Shift-JIS; the raw bytes when Shift-JIS cannot hold it, since
// localFileName finds those again.
std::string sjisFileName(const std::string& localName);

bool isExistingFile(const std::string& localName);

// The bytes of a regular file, no more than the first `maxBytes`; nothing when it cannot be opened or is
// no regular file. Opening never waits, so a FIFO cannot hold the program.
std::optional<std::string> readLocalFile(const std::string& localName, std::size_t maxBytes);

// A file named in Shift-JIS, whole; AppError when it cannot be opened or is larger than `limit`.
std::string readLimitedLocalFile(const std::string& sjisName, std::size_t limit);

// Hands a regular file to `take` a piece at a time, no more than its first `maxBytes`; false when it
// cannot be opened or read. The open does not wait, so a FIFO of that name is refused, not waited for.
bool readLocalFileInPieces(const std::string& localName, const std::function<void(std::string_view)>& take,
                           std::size_t maxBytes = SIZE_MAX);

// Whether files can be made in the folder. Root may write anywhere, so for root a folder whose mode
// forbids writing counts as read-only all the same.
bool isWritableFolder(const std::string& localName);

// Makes the folder and its missing parents, private to the user as data folders are.
void makeLocalFolders(const std::string& localName);

// Waits for the advisory lock on "<name>.lock" that every writer of the file takes, then removes the
// temporary files that killed writers of the file left behind. The lock's descriptor, -1 on failure.
int lockLocalFile(const std::string& localName);
// Releases the lock and removes its lock file.
void unlockLocalFile(const std::string& localName, int lock);

// Writes a temporary file in the same folder, flushes it to disk and renames it over the target,
// so a failure at any point leaves the old file whole. False on failure, with nothing left behind.
// A symbolic link stays one: the file it leads to is replaced, the lock taken beside that file.
bool replaceLocalFile(const std::string& localName, std::string_view bytes);
