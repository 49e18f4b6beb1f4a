#include "platform/win32/Win32Files.h"

#include <shlobj.h>

#include "media/WaveFile.h"
#include "platform/AppError.h"
#include "platform/win32/FileNames.h"
#include "platform/win32/WideText.h"
#include "text/Cp932.h"
#include "text/Limits.h"

namespace {

// Temporary files of a replacement are "<name>.writing-XXXXXX", a name no learner's own file has.
constexpr const wchar_t* TemporaryInfix = L".writing-";
constexpr std::size_t TemporaryTail = 6;

class Handle {
public:
    explicit Handle(HANDLE handle) : m_handle(handle) {}
    ~Handle() {
        if (valid())
            CloseHandle(m_handle);
    }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    bool valid() const { return m_handle != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return m_handle; }
    bool close() {
        HANDLE handle = m_handle;
        m_handle = INVALID_HANDLE_VALUE;
        return CloseHandle(handle) != 0;
    }

private:
    HANDLE m_handle;
};

std::wstring folderOf(const std::wstring& name) {
    std::size_t separator = name.find_last_of(L"\\/");
    if (separator == std::wstring::npos)
        return L".";
    // The root of a drive keeps its separator: "C:" alone is the current folder of drive C.
    return name.substr(0, separator == 2 && name[1] == L':' ? 3 : separator);
}

std::wstring baseOf(const std::wstring& name) {
    std::size_t separator = name.find_last_of(L"\\/");
    return separator == std::wstring::npos ? name : name.substr(separator + 1);
}

bool writeAll(HANDLE file, std::string_view bytes) {
    while (!bytes.empty()) {
        DWORD piece = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1 << 24));
        DWORD written = 0;
        if (!WriteFile(file, bytes.data(), piece, &written, nullptr) || written == 0)
            return false;
        bytes.remove_prefix(written);
    }
    return true;
}

// A new temporary file beside `target`, opened for writing.
HANDLE createTemporary(const std::wstring& target, std::wstring& temporary) {
    unsigned seed = GetTickCount() ^ (GetCurrentProcessId() << 16);
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = target + TemporaryInfix;
        for (std::size_t i = 0; i < TemporaryTail; ++i) {
            seed = seed * 1103515245u + 12345u;
            temporary += static_cast<wchar_t>(L'a' + (seed >> 16) % 26);
        }
        HANDLE file =
            CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS)
            return file;
    }
    return INVALID_HANDLE_VALUE;
}

// Under the lock no writer is half-way, so every temporary file of the name is a killed writer's.
void removeTemporaryFiles(const std::wstring& target) {
    std::wstring folder = folderOf(target);
    std::wstring prefix = baseOf(target) + TemporaryInfix;
    WIN32_FIND_DATAW found{};
    HANDLE search = FindFirstFileW((target + TemporaryInfix + L"*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return;
    do {
        std::wstring name = found.cFileName;
        if (name.size() == prefix.size() + TemporaryTail && name.compare(0, prefix.size(), prefix) == 0)
            DeleteFileW((folder + L"\\" + name).c_str());
    } while (FindNextFileW(search, &found));
    FindClose(search);
}

std::wstring knownFolder(REFKNOWNFOLDERID id) {
    PWSTR path = nullptr;
    std::wstring result;
    if (SHGetKnownFolderPath(id, 0, nullptr, &path) == S_OK)
        result = path;
    CoTaskMemFree(path);
    return result;
}

bool isUnder(const std::wstring& name, const std::wstring& folder) {
    if (folder.empty() || name.size() < folder.size())
        return false;
    if (CompareStringOrdinal(name.c_str(), static_cast<int>(folder.size()), folder.c_str(),
                             static_cast<int>(folder.size()), TRUE) != CSTR_EQUAL)
        return false;
    return name.size() == folder.size() || name[folder.size()] == L'\\' || name[folder.size()] == L'/';
}

std::wstring fullName(const std::wstring& name) {
    DWORD size = GetFullPathNameW(name.c_str(), 0, nullptr, nullptr);
    std::wstring full(size, L'\0');
    if (size == 0 || GetFullPathNameW(name.c_str(), size, full.data(), nullptr) + 1 != size)
        return name;
    full.pop_back();
    return full;
}

bool underProgramFiles(const std::wstring& folder) {
    std::wstring full = fullName(folder);
    return isUnder(full, knownFolder(FOLDERID_ProgramFiles)) || isUnder(full, knownFolder(FOLDERID_ProgramFilesX86));
}

} // namespace

Win32Files::~Win32Files() {
    for (auto& [name, lock] : m_locks)
        CloseHandle(lock);
}

bool Win32Files::fileExists(const std::string& name) {
    DWORD attributes = GetFileAttributesW(wideFileName(name).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

std::string Win32Files::readFile(const std::string& name, std::size_t maxBytes) {
    std::string bytes;
    readPieces(name, [&](std::string_view piece) {
        bytes.append(piece.substr(0, maxBytes - bytes.size()));
        return bytes.size() < maxBytes;
    });
    return bytes;
}

void Win32Files::readFileInPieces(const std::string& name, const std::function<void(std::string_view)>& take) {
    readPieces(name, [&](std::string_view piece) {
        take(piece);
        return true;
    });
}

void Win32Files::readPieces(const std::string& name, const std::function<bool(std::string_view)>& take) {
    Handle file(CreateFileW(wideFileName(name).c_str(), GENERIC_READ,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr));
    // A pipe or a device could make the read wait for ever or never end.
    if (file.valid() && GetFileType(file.get()) == FILE_TYPE_DISK) {
        std::string buffer(65536, '\0');
        DWORD count = 0;
        while (ReadFile(file.get(), buffer.data(), static_cast<DWORD>(buffer.size()), &count, nullptr))
            if (count == 0 || !take(std::string_view(buffer.data(), count)))
                return;
    }
    throw AppError(CannotOpenText(name));
}

void Win32Files::replaceFile(const std::string& name, const std::string& bytes) {
    std::wstring target = wideFileName(name);
    std::wstring temporary;
    Handle file(createTemporary(target, temporary));
    bool written = file.valid() && writeAll(file.get(), bytes) && FlushFileBuffers(file.get());
    written = file.valid() && file.close() && written;
    if (!written ||
        !MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        if (!temporary.empty())
            DeleteFileW(temporary.c_str());
        throw AppError(sjis("ﾌｧｲﾙ ") + name + sjis(" を作成できません"));
    }
}

std::string Win32Files::executablePath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0)
            return {};
        if (length < path.size())
            return coreFileName(path.substr(0, length));
        path.resize(path.size() * 2);
    }
}

bool Win32Files::folderWritable(const std::string& folder) {
    std::wstring wide = wideFileName(folder);
    if (!isFolder(wide) || underProgramFiles(wide))
        return false;
    // Access rights on Windows are lists, best asked by trying: a probe file that goes when closed.
    std::wstring probe;
    Handle file(createTemporary(wide + L"\\QM7Kekka.DAT", probe));
    if (!file.valid())
        return false;
    file.close();
    DeleteFileW(probe.c_str());
    return true;
}

void Win32Files::makeFolders(const std::string& folder) {
    std::wstring wide = wideFileName(folder);
    for (std::size_t separator = wide.find(L'\\', 3); separator != std::wstring::npos;
         separator = wide.find(L'\\', separator + 1))
        CreateDirectoryW(wide.substr(0, separator).c_str(), nullptr);
    CreateDirectoryW(wide.c_str(), nullptr);
}

bool Win32Files::lockFile(const std::string& name) {
    std::wstring target = wideFileName(name);
    std::wstring lockName = target + L".lock";
    // The lock file goes when its last holder closes it; one going meanwhile is "access denied" for a moment.
    HANDLE lock = INVALID_HANDLE_VALUE;
    for (int attempt = 0; attempt < 200 && lock == INVALID_HANDLE_VALUE; ++attempt) {
        lock = CreateFileW(lockName.c_str(), GENERIC_READ | GENERIC_WRITE,
                           FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_ALWAYS,
                           FILE_ATTRIBUTE_HIDDEN | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
        if (lock == INVALID_HANDLE_VALUE && GetLastError() != ERROR_ACCESS_DENIED)
            return false;
        if (lock == INVALID_HANDLE_VALUE)
            Sleep(5);
    }
    OVERLAPPED whole{};
    if (lock == INVALID_HANDLE_VALUE || !LockFileEx(lock, LOCKFILE_EXCLUSIVE_LOCK, 0, MAXDWORD, MAXDWORD, &whole)) {
        if (lock != INVALID_HANDLE_VALUE)
            CloseHandle(lock);
        return false;
    }
    removeTemporaryFiles(target);
    m_locks[name] = lock;
    return true;
}

void Win32Files::unlockFile(const std::string& name) {
    auto found = m_locks.find(name);
    if (found == m_locks.end())
        return;
    OVERLAPPED whole{};
    UnlockFileEx(found->second, 0, MAXDWORD, MAXDWORD, &whole);
    CloseHandle(found->second);
    m_locks.erase(found);
}

std::optional<PictureSize> Win32Files::pictureSize(const std::string& name) {
    // Read as any file first, so a pipe, a device or a huge file is refused before the loader sees it.
    readLimitedFile(*this, name, MediaFileLimit);
    auto picture = static_cast<HBITMAP>(
        LoadImageW(nullptr, wideFileName(name).c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION));
    if (picture == nullptr)
        return std::nullopt;
    BITMAP info{};
    GetObjectW(picture, sizeof info, &info);
    DeleteObject(picture);
    return PictureSize{info.bmWidth, info.bmHeight};
}

std::optional<std::string> Win32Files::soundProblem(const std::string& name) {
    try {
        return waveProblem(name, readLimitedFile(*this, name, MediaFileLimit));
    } catch (const AppError& unreadable) {
        return unreadable.what();
    }
}

std::string Win32Files::currentFolder() {
    DWORD size = GetCurrentDirectoryW(0, nullptr);
    std::wstring folder(size, L'\0');
    folder.resize(GetCurrentDirectoryW(size, folder.data()));
    return utf8FromWide(folder);
}

void Win32Files::setCurrentFolder(const std::string& folder) {
    // Going back after a refused Open: a folder that has gone since leaves the current one as it is.
    if (!folder.empty())
        SetCurrentDirectoryW(wideFromUtf8(folder).c_str());
}

std::optional<std::string> Win32Files::learnerDataFolder() {
    std::wstring data = knownFolder(FOLDERID_RoamingAppData);
    if (data.empty())
        return std::nullopt;
    return coreFileName(data) + "/qm7w/";
}

std::string Win32Files::enterFolderOf(const std::string& name) {
    std::wstring full = fullName(wideFileName(name));
    std::wstring folder = folderOf(full);
    if (isFolder(folder) && !SetCurrentDirectoryW(folder.c_str()))
        throw AppError(sjis("ﾌｫﾙﾀﾞ ") + coreFileName(folder) + sjis(" に移れません"));
    return coreFileName(full);
}
