#include "platform/win32/Win32Dialogs.h"

#include <commdlg.h>
#include <shellapi.h>

#include "platform/AppError.h"
#include "platform/win32/FileNames.h"
#include "platform/win32/OpenDialogFolders.h"
#include "platform/win32/WideText.h"
#include "platform/win32/Win32Files.h"
#include "text/Cp932.h"
#include "text/Limits.h"

namespace {

// The filter "Name|*.a;*.b|..." as the open dialog takes it: pairs of texts, each ended by a NUL, and a
// NUL after the last.
std::wstring dialogFilter(const std::string& filter) {
    std::wstring result = wideText(filter);
    for (wchar_t& character : result)
        if (character == L'|')
            character = L'\0';
    return result + std::wstring(2, L'\0');
}

} // namespace

void Win32Dialogs::show(const std::string& text, UINT icon) {
    MessageBoxW(m_owner, wideText(text).c_str(), L"QM7W", MB_OK | icon);
}

void Win32Dialogs::messageBox(const std::string& text) {
    show(text, 0);
}

void Win32Dialogs::errorBox(const std::string& text) {
    show(text, MB_ICONERROR);
}

void Win32Dialogs::internalErrorBox(const std::string& text, const std::string& developerLine) {
    // A program without a console keeps the line for a developer in the debugger's output.
    OutputDebugStringW((wideFromUtf8(developerLine) + L"\n").c_str());
    show(text, MB_ICONERROR);
}

std::optional<std::string> Win32Dialogs::chooseFile(const std::string& filter, const std::string& defaultExtension) {
    std::wstring filters = dialogFilter(filter);
    std::wstring extension = wideText(defaultExtension);
    std::string start = openDialogStart(m_files);
    std::wstring folder = wideFromUtf8(start.empty() ? m_files.currentFolder() : start);
    std::wstring chosen(32768, L'\0');
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = m_owner;
    dialog.lpstrFilter = filters.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = chosen.data();
    dialog.nMaxFile = static_cast<DWORD>(chosen.size());
    dialog.lpstrInitialDir = folder.c_str();
    dialog.lpstrDefExt = extension.c_str();
    // A typed name that names no file is still the choice; the Open command reports it.
    dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_ENABLESIZING;
    if (!GetOpenFileNameW(&dialog))
        return std::nullopt;
    chosen.resize(wcslen(chosen.c_str()));
    std::wstring chosenFolder = chosen.substr(0, dialog.nFileOffset);
    if (!chosenFolder.empty() && !SetCurrentDirectoryW(chosenFolder.c_str()))
        throw AppError(sjis("ﾌｫﾙﾀﾞ ") + coreFileName(chosenFolder) + sjis(" に移れません"));
    rememberDrillFolder(m_files.currentFolder());
    return coreFileName(chosen);
}

void Win32Dialogs::showHelpContents(const std::string& helpFile) {
    std::string html;
    try {
        html = readLimitedFile(m_files, helpFile, DrillFileLimit);
    } catch (const AppError&) {
        messageBox(sjis("ヘルプファイル ") + helpFile + sjis(" を読めません。"));
        return;
    }
    wchar_t temporary[MAX_PATH + 1] = {};
    DWORD length = GetTempPathW(MAX_PATH + 1, temporary);
    std::string copy = coreFileName(std::wstring(temporary, length)) + "qm7w-help.html";
    m_files.replaceFile(copy, html);
    ShellExecuteW(m_owner, L"open", wideFileName(copy).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void Win32Dialogs::quitHelp(const std::string&) {
    // The browser is the learner's own program and stays open.
}
