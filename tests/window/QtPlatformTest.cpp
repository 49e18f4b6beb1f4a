#include <QApplication>
#include <QFileDialog>
#include <QTimer>
#include <filesystem>
#include <gmock/gmock.h>
#include <sys/stat.h>

#include "TempFolder.h"
#include "platform/AppError.h"
#include "platform/posix/LocalFile.h"
#include "platform/qt/QtPlatform.h"
#include "text/Cp932.h"
#include "text/Limits.h"

namespace fs = std::filesystem;
using testing::ThrowsMessage;

namespace {

class QtPlatformTest : public testing::Test {
protected:
    TempFolder folder;
    QtPlatform platform;
};

// A Shift-JIS name finds the file of its UTF-8 name, else the file of its raw bytes.
TEST_F(QtPlatformTest, ShiftJisNamesFindUtf8OrRawByteFiles) {
    folder.write("問題.m7", "question");
    folder.write(sjis("答え.txt"), "raw");
    fs::create_directory("sub");
    EXPECT_EQ(platform.readFile(sjis(folder.path.string() + "/問題.m7"), 100), "question");
    EXPECT_TRUE(platform.fileExists(sjis("答え.txt")));
    EXPECT_EQ(platform.readFile(sjis("答え.txt"), 100), "raw");
    EXPECT_FALSE(platform.fileExists("sub") || platform.fileExists(sjis("無い.txt")));
    EXPECT_THAT([&] { platform.readFile(sjis("無い.txt"), 100); },
                ThrowsMessage<AppError>(sjis("ﾌｧｲﾙ 無い.txt は開けません")));
    // Read in pieces, a long file arrives whole; a FIFO or a folder is refused at once.
    std::string longText(200'000, 'x'), pieces;
    folder.write("long.DAT", longText);
    platform.readFileInPieces("long.DAT", [&](std::string_view piece) { pieces += piece; });
    EXPECT_EQ(pieces, longText);
    ASSERT_EQ(mkfifo("fifo.DAT", 0600), 0);
    for (const char* refused : {"fifo.DAT", "sub"})
        EXPECT_THROW(platform.readFileInPieces(refused, [](std::string_view) {}), AppError) << refused;
}

// Only regular files are read, never further than asked; neither a FIFO nor an endless device holds the
// reader, nor reaches the picture decoder.
TEST_F(QtPlatformTest, OnlyRegularFilesAreReadAndNoFurtherThanAsked) {
    folder.write("ten.bmp", "0123456789");
    ASSERT_EQ(::mkfifo("fifo.bmp", 0600), 0);
    fs::create_symlink("/dev/zero", "zero.bmp");
    EXPECT_EQ(platform.readFile("ten.bmp", 4), "0123");
    EXPECT_EQ(readLimitedLocalFile("ten.bmp", 10), "0123456789");
    EXPECT_THAT([&] { readLimitedLocalFile("ten.bmp", 9); }, ThrowsMessage<AppError>(TooLargeText("ten.bmp", 9)));
    EXPECT_EQ(platform.pictureSize("ten.bmp"), std::nullopt);
    for (const std::string name : {"fifo.bmp", "zero.bmp"}) {
        EXPECT_THAT([&] { platform.readFile(name, 100); }, ThrowsMessage<AppError>(CannotOpenText(name)));
        EXPECT_THAT([&] { platform.pictureSize(name); }, ThrowsMessage<AppError>(CannotOpenText(name)));
    }
}

// A replace writes the whole file with the old one's permissions. When the temporary file cannot be made,
// the old file stays. No other file is ever left.
TEST_F(QtPlatformTest, ReplaceWritesAllOrNothing) {
    const fs::perms kept = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    folder.write("log.DAT", "old, longer\r\n");
    fs::permissions("log.DAT", kept);
    platform.replaceFile("log.DAT", "new\r\n");
    EXPECT_EQ(platform.readFile("log.DAT", 100), "new\r\n");
    EXPECT_EQ(fs::status("log.DAT").permissions() & fs::perms::all, kept);
    std::string longName(250, 'x'); // no room for the temporary name's suffix
    folder.write(longName, "old");
    EXPECT_THAT([&] { platform.replaceFile(longName, "new"); },
                ThrowsMessage<AppError>(sjis("ﾌｧｲﾙ ") + longName + sjis(" を作成できません")));
    EXPECT_EQ(platform.readFile(longName, 100), "old");
    EXPECT_EQ(std::distance(fs::directory_iterator("."), {}), 2);
}

// A wait keeps running events until its deadline; one already past still runs those waiting.
TEST_F(QtPlatformTest, WaitRunsEventsUntilTheDeadline) {
    int ran = 0;
    QTimer::singleShot(0, [&] { ++ran; });
    platform.processMessagesUntil(platform.tickCount() - 5);
    EXPECT_EQ(ran, 1);
    QTimer::singleShot(30, [&] { ++ran; });
    platform.processMessagesUntil(platform.tickCount() + 60);
    EXPECT_EQ(ran, 2);
}

// The dialog lists the filters in their order, a description without its pattern left out; a typed
// name gets the default extension, and its folder becomes the current one.
TEST_F(QtPlatformTest, ChoosingAFileMakesItsFolderCurrent) {
    fs::create_directory("ドリル");
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->nameFilters(),
                  (QStringList{QStringLiteral("QM7,ﾃｷｽﾄ形式 (*.m7 *.txt)"), QStringLiteral("QM7 (*.m7)"),
                               QStringLiteral("すべて(*.*) (*)")}));
        EXPECT_EQ(dialog->directory().absolutePath().toStdString(), folder.path.string());
        dialog->selectFile(QStringLiteral("ドリル/kanji"));
        static_cast<QDialog*>(dialog)->accept(); // as the Open button does
    });
    std::optional<std::string> chosen =
        platform.chooseFile(sjis("QM7,ﾃｷｽﾄ形式|*.m7;*.txt|QM7|*.m7|すべて(*.*)|*.*|None"), "m7");
    EXPECT_EQ(chosen, sjis((folder.path / "ドリル/kanji.m7").string()));
    EXPECT_EQ(fs::current_path(), folder.path / "ドリル");
}

} // namespace
