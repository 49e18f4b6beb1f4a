#include "platform/win32/OpenDialogFolders.h"

#include <windows.h>

#include "app/RecentFolders.h"
#include "platform/Files.h"
#include "platform/win32/FileNames.h"
#include "platform/win32/WideText.h"

namespace {

constexpr const wchar_t* SettingsKey = L"Software\\qm7w";
constexpr const wchar_t* RecentValue = L"RecentFolders";

std::vector<std::string> recentFolders() {
    DWORD size = 0;
    if (RegGetValueW(HKEY_CURRENT_USER, SettingsKey, RecentValue, RRF_RT_REG_MULTI_SZ, nullptr, nullptr, &size) !=
        ERROR_SUCCESS)
        return {};
    std::wstring list(size / sizeof(wchar_t), L'\0');
    if (RegGetValueW(HKEY_CURRENT_USER, SettingsKey, RecentValue, RRF_RT_REG_MULTI_SZ, nullptr, list.data(), &size) !=
        ERROR_SUCCESS)
        return {};
    // The folders one after another, each ended by a NUL, and an empty one after the last.
    std::vector<std::string> folders;
    std::wstring_view rest(list.data(), size / sizeof(wchar_t));
    while (!rest.empty() && rest.front() != L'\0') {
        std::size_t end = std::min(rest.find(L'\0'), rest.size());
        folders.push_back(utf8FromWide(rest.substr(0, end)));
        rest.remove_prefix(std::min(end + 1, rest.size()));
    }
    return folders;
}

} // namespace

std::string openDialogStart(Files& files) {
    std::wstring program = wideFileName(files.executablePath());
    std::string samples = utf8FromWide(program.substr(0, program.find_last_of(L'\\') + 1) + L"samples");
    return OpenDialogFolders(recentFolders(), samples,
                             [](const std::string& folder) { return isFolder(wideFromUtf8(folder)); })
        .start;
}

void rememberDrillFolder(const std::string& folder) {
    std::wstring list;
    for (const std::string& recent : RememberFolder(recentFolders(), folder))
        list += wideFromUtf8(recent) + L'\0';
    list += L'\0';
    // Where the dialog starts is a convenience: a profile that cannot be written just forgets it.
    RegSetKeyValueW(HKEY_CURRENT_USER, SettingsKey, RecentValue, REG_MULTI_SZ, list.data(),
                    static_cast<DWORD>(list.size() * sizeof(wchar_t)));
}
