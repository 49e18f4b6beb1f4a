#include <QApplication>
#include <QImage>
#include <QTimer>
#include <chrono>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iostream>
#include <unistd.h>

#include "TempFolder.h"
#include "platform/AppError.h"
#include "platform/Cp932.h"
#include "platform/qt/QtPlatform.h"

namespace fs = std::filesystem;

namespace {

std::string contentsOf(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::vector<std::string> namesIn(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

class QtPlatformFiles : public testing::Test {
protected:
    TempFolder folder;
    QtPlatform platform;
};

TEST_F(QtPlatformFiles, ShiftJisNameFindsTheFileOfItsUtf8Name) {
    folder.write("問題.m7", "question");
    EXPECT_TRUE(platform.fileExists(sjis("問題.m7")));
    EXPECT_EQ(platform.readFile(sjis("問題.m7")), "question");
    EXPECT_EQ(platform.readFile((folder.path() / "").string() + sjis("問題.m7")), "question");
}

TEST_F(QtPlatformFiles, RawBytesAreTheFallback) {
    folder.write(sjis("答え.txt"), "raw");
    EXPECT_TRUE(platform.fileExists(sjis("答え.txt")));
    EXPECT_EQ(platform.readFile(sjis("答え.txt")), "raw");
}

TEST_F(QtPlatformFiles, MissingFilesAndFoldersAreNoFiles) {
    fs::create_directory(folder.path() / "sub");
    EXPECT_FALSE(platform.fileExists("missing.txt"));
    EXPECT_FALSE(platform.fileExists("sub"));
    EXPECT_FALSE(platform.fileExists(""));
    for (const std::string& name : {std::string("missing.txt"), std::string("sub"), sjis("無い.txt")}) {
        SCOPED_TRACE(name);
        try {
            platform.readFile(name);
            FAIL() << "read";
        } catch (const AppError& error) {
            EXPECT_EQ(std::string(error.what()), sjis("ﾌｧｲﾙ ") + name + sjis(" は開けません"));
        }
    }
}

TEST_F(QtPlatformFiles, ReplaceWritesTheWholeFileAndLeavesNothingElse) {
    platform.replaceFile(sjis("結果.DAT"), "first\r\n");
    EXPECT_EQ(contentsOf(folder.path() / "結果.DAT"), "first\r\n");
    platform.replaceFile(sjis("結果.DAT"), "second, longer\r\n");
    platform.replaceFile(sjis("結果.DAT"), "3\r\n");
    EXPECT_EQ(contentsOf(folder.path() / "結果.DAT"), "3\r\n");
    EXPECT_EQ(namesIn(folder.path()), std::vector<std::string>{"結果.DAT"});
    platform.replaceFile("empty", "");
    EXPECT_TRUE(fs::exists(folder.path() / "empty"));
    EXPECT_EQ(fs::file_size(folder.path() / "empty"), 0u);
}

TEST_F(QtPlatformFiles, ReplaceKeepsTheOldFilesPermissions) {
    folder.write("log.DAT", "old");
    fs::permissions(folder.path() / "log.DAT", fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    platform.replaceFile("log.DAT", "new");
    EXPECT_EQ(fs::status(folder.path() / "log.DAT").permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST_F(QtPlatformFiles, ReplaceInAFolderThatDoesNotExistFails) {
    std::string name = "nowhere/" + sjis("結果.DAT");
    try {
        platform.replaceFile(name, "data");
        FAIL() << "written";
    } catch (const AppError& error) {
        EXPECT_EQ(std::string(error.what()), sjis("ﾌｧｲﾙ ") + name + sjis(" を作成できません"));
    }
    EXPECT_TRUE(namesIn(folder.path()).empty());
}

// Fails at the very last step, the rename, also for root.
TEST_F(QtPlatformFiles, ReplaceOverAFolderFailsAndLeavesNoTemporaryFile) {
    fs::create_directory(folder.path() / "log.DAT");
    folder.write("log.DAT/inside", "kept");
    EXPECT_THROW(platform.replaceFile("log.DAT", "new"), AppError);
    EXPECT_EQ(namesIn(folder.path()), std::vector<std::string>{"log.DAT"});
    EXPECT_EQ(contentsOf(folder.path() / "log.DAT/inside"), "kept");
}

TEST_F(QtPlatformFiles, FailedReplaceLeavesTheOldFileWhole) {
    if (geteuid() == 0)
        GTEST_SKIP() << "root writes into read-only folders";
    fs::create_directory(folder.path() / "locked");
    folder.write("locked/log.DAT", "old record\r\n");
    fs::permissions(folder.path() / "locked", fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_THROW(platform.replaceFile("locked/log.DAT", "new"), AppError);
    fs::permissions(folder.path() / "locked", fs::perms::owner_all);
    EXPECT_EQ(contentsOf(folder.path() / "locked/log.DAT"), "old record\r\n");
    EXPECT_EQ(namesIn(folder.path() / "locked"), std::vector<std::string>{"log.DAT"});
}

TEST_F(QtPlatformFiles, PictureSizeOfReadablePicturesOnly) {
    QImage picture(40, 30, QImage::Format_RGB32);
    picture.fill(Qt::red);
    ASSERT_TRUE(picture.save(QString::fromStdString((folder.path() / "絵01.bmp").string()), "BMP"));
    folder.write("text.bmp", "not a picture");
    folder.write("cut.bmp", contentsOf(folder.path() / "絵01.bmp").substr(0, 40));

    std::optional<PictureSize> size = platform.pictureSize(sjis("絵01.bmp"));
    ASSERT_TRUE(size.has_value());
    EXPECT_EQ(size->width, 40);
    EXPECT_EQ(size->height, 30);
    EXPECT_FALSE(platform.pictureSize("text.bmp").has_value());
    EXPECT_FALSE(platform.pictureSize("cut.bmp").has_value());
    EXPECT_FALSE(platform.pictureSize("missing.bmp").has_value());
}

TEST(QtPlatform, ExecutablePathIsThisProgram) {
    QtPlatform platform;
    std::string path = platform.executablePath();
    EXPECT_EQ(path.front(), '/');
    EXPECT_EQ(fs::path(path).filename(), "qm7_window_tests");
}

TEST(QtPlatform, RandomNumbersStayInRangeAndRepeatWithTheSeed) {
    QtPlatform platform;
    platform.seedRandom(12345);
    std::vector<std::int32_t> first;
    for (int i = 0; i < 200; ++i) {
        std::int32_t value = platform.randomBelow(7);
        EXPECT_GE(value, 0);
        EXPECT_LT(value, 7);
        first.push_back(value);
    }
    platform.seedRandom(12345);
    for (std::int32_t expected : first)
        EXPECT_EQ(platform.randomBelow(7), expected);
    EXPECT_EQ(platform.randomBelow(1), 0);
    EXPECT_EQ(platform.randomBelow(0), 0);
    EXPECT_EQ(platform.randomBelow(-3), 0);
}

TEST(QtPlatform, ClocksGiveSensibleValues) {
    QtPlatform platform;
    std::int32_t sinceMidnight = platform.utcMillisecondsSinceMidnight();
    EXPECT_GE(sinceMidnight, 0);
    EXPECT_LT(sinceMidnight, 24 * 60 * 60 * 1000);
    LocalTime now = platform.localTime();
    EXPECT_GE(now.year, 2024);
    EXPECT_TRUE(now.month >= 1 && now.month <= 12);
    EXPECT_TRUE(now.day >= 1 && now.day <= 31);
    EXPECT_TRUE(now.hour >= 0 && now.hour <= 23);
    std::uint32_t before = platform.tickCount();
    platform.processMessagesUntil(before + 20);
    EXPECT_GE(static_cast<std::int32_t>(platform.tickCount() - before), 20);
}

TEST(QtPlatform, WaitProcessesEventsUntilTheDeadline) {
    QtPlatform platform;
    bool delivered = false;
    QTimer::singleShot(30, [&] { delivered = true; });
    std::uint32_t deadline = platform.tickCount() + 300;

    std::clock_t cpuBefore = std::clock();
    auto wallBefore = std::chrono::steady_clock::now();
    platform.processMessagesUntil(deadline);
    auto wall = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - wallBefore);
    double cpu = 1000.0 * static_cast<double>(std::clock() - cpuBefore) / CLOCKS_PER_SEC;
    std::cout << "a wait of " << wall.count() << " ms took " << cpu << " ms of processor time\n";

    EXPECT_TRUE(delivered);
    EXPECT_GE(static_cast<std::int32_t>(platform.tickCount() - deadline), 0);
}

TEST(QtPlatform, WaitWithItsDeadlinePassedStillProcessesWaitingEvents) {
    QtPlatform platform;
    bool delivered = false;
    QMetaObject::invokeMethod(
        qApp, [&] { delivered = true; }, Qt::QueuedConnection);
    platform.processMessagesUntil(platform.tickCount() - 5);
    EXPECT_TRUE(delivered);
}

} // namespace
