// The Windows platform under Wine: positions in the question text box, and files whose
// Shift-JIS names hold 0x5C as a second byte.
#include <gtest/gtest.h>
#include <windows.h>

#include "platform/AppError.h"
#include "platform/win32/EditPosition.h"
#include "platform/win32/FileNames.h"
#include "platform/win32/Win32Files.h"
#include "text/Cp932.h"

namespace {

TEST(EditPosition, CountsCharactersAndBothBytesOfALineEnd) {
    const std::tuple<std::string_view, int, int> cases[] = {
        {"abc", 2, 2},
        {"ab\r\ncd", 5, 5},         // CR and LF are two positions, unlike in the Qt window
        {"\x95\x5Cx", 2, 1},        // 表: one character, its second byte a backslash
        {"\x95\x5Cx", 1, 1},        // inside a character counts it as passed
        {"\x95\x31x", 2, 2},        // a lead byte before a byte below 0x40 is a character of its own
        {"a\x95", 2, 2},            // a lead byte cut off at the end
        {"\x83\x5C\r\n\xB1", 5, 4}, // ソ, CR LF, half-width katakana
    };
    for (const auto& [text, offset, position] : cases)
        EXPECT_EQ(editPosition(text, offset), position) << testing::PrintToString(std::string(text)) << " " << offset;
}

// A fresh folder "ソフト" in the temporary folder, as the core names it.
std::string softwareFolder() {
    wchar_t temporary[MAX_PATH + 1] = {};
    std::wstring folder(temporary, GetTempPathW(MAX_PATH + 1, temporary));
    return coreFileName(folder) + sjis("ソフト") + std::to_string(GetCurrentProcessId()) + "-" +
           std::to_string(GetTickCount()) + "/";
}

TEST(Win32Files, ReplacesReadsAndLocksFilesWithBackslashSecondBytes) {
    Win32Files files;
    const std::string folder = softwareFolder();
    files.makeFolders(folder + sjis("表"));
    const std::string log = folder + sjis("表/") + "QM7Kekka.DAT";
    EXPECT_TRUE(files.folderWritable(folder + sjis("表")));
    EXPECT_FALSE(files.fileExists(log));
    EXPECT_THROW(files.readFile(log, 100), AppError);

    // Binary both ways: CR LF, lone LF, NUL and a 0x5C second byte stay as they are.
    const std::string bytes("a\r\nb\n\0\x95\x5C\r\n", 10);
    files.replaceFile(log, "old");
    files.replaceFile(log, bytes);
    EXPECT_EQ(files.readFile(log, 100), bytes);
    EXPECT_EQ(files.readFile(log, 3), bytes.substr(0, 3));

    // The lock's holder removes what killed writers left; the lock file goes with the last holder.
    files.replaceFile(log + ".writing-abcdef", "left by a killed writer");
    ASSERT_TRUE(files.lockFile(log));
    EXPECT_FALSE(files.fileExists(log + ".writing-abcdef"));
    files.replaceFile(log, bytes + "more");
    files.unlockFile(log);
    EXPECT_FALSE(files.fileExists(log + ".lock"));
    EXPECT_EQ(files.readFile(log, 100), bytes + "more");
}

TEST(Win32Files, KeepsLearnersRecordsOutOfProgramFiles) {
    Win32Files files;
    const std::string installed = "C:/Program Files/qm7w-test";
    files.makeFolders(installed); // which root may do under Wine, as an administrator on Windows
    EXPECT_FALSE(files.folderWritable(installed));
    EXPECT_FALSE(files.folderWritable(softwareFolder() + "missing"));
    std::optional<std::string> data = files.learnerDataFolder();
    ASSERT_TRUE(data);
    EXPECT_EQ(data->substr(data->size() - 6), "/qm7w/");
    std::string program = files.executablePath();
    EXPECT_EQ(program.substr(program.size() - 4), ".exe");
    EXPECT_EQ(program.find('\\'), std::string::npos);
}

} // namespace
