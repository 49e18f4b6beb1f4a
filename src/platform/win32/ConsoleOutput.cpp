#include "platform/win32/ConsoleOutput.h"

#include <windows.h>

#include "platform/win32/WideText.h"

namespace {

// The standard handle given by whoever started the program, or else the console of the parent process.
HANDLE outputHandle(DWORD standard) {
    HANDLE handle = GetStdHandle(standard);
    if (handle != nullptr && handle != INVALID_HANDLE_VALUE)
        return handle;
    static HANDLE console = [] {
        if (!AttachConsole(ATTACH_PARENT_PROCESS) && GetLastError() != ERROR_ACCESS_DENIED)
            return INVALID_HANDLE_VALUE;
        return CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           OPEN_EXISTING, 0, nullptr);
    }();
    return console;
}

void write(DWORD standard, std::string_view utf8) {
    HANDLE handle = outputHandle(standard);
    if (handle == INVALID_HANDLE_VALUE)
        return;
    DWORD mode = 0;
    DWORD written = 0;
    if (GetConsoleMode(handle, &mode)) {
        std::wstring text = wideFromUtf8(utf8);
        WriteConsoleW(handle, text.c_str(), static_cast<DWORD>(text.size()), &written, nullptr);
    } else {
        WriteFile(handle, utf8.data(), static_cast<DWORD>(utf8.size()), &written, nullptr);
    }
}

} // namespace

void writeOutput(std::string_view utf8) {
    write(STD_OUTPUT_HANDLE, utf8);
}

void writeError(std::string_view utf8) {
    write(STD_ERROR_HANDLE, utf8);
}
