#include "platform/win32/FileNames.h"

#include <algorithm>
#include <windows.h>

#include "platform/win32/WideText.h"

namespace {

std::wstring withSeparator(std::wstring_view name, wchar_t from, wchar_t to) {
    std::wstring result(name);
    std::replace(result.begin(), result.end(), from, to);
    return result;
}

bool sjisHolds(std::wstring_view name) {
    return wideText(sjisText(name)) == name;
}

} // namespace

std::wstring wideFileName(std::string_view sjisName) {
    return withSeparator(wideText(sjisName), L'/', L'\\');
}

std::string coreFileName(std::wstring_view wideName) {
    std::wstring name(wideName);
    if (!sjisHolds(name)) {
        DWORD size = GetShortPathNameW(name.c_str(), nullptr, 0);
        std::wstring shortName(size, L'\0');
        if (size > 0 && GetShortPathNameW(name.c_str(), shortName.data(), size) + 1 == size) {
            shortName.pop_back();
            name = shortName;
        }
    }
    return sjisText(withSeparator(name, L'\\', L'/'));
}

bool isFolder(const std::wstring& wideName) {
    DWORD attributes = GetFileAttributesW(wideName.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}
