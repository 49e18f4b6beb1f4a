#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <gtest/gtest.h>

#include "QStringPrinter.h"
#include "TempFolder.h"
#include "platform/Cp932.h"
#include "platform/qt/QtPlatform.h"

namespace fs = std::filesystem;

namespace {

const char* const OpenFilter = "QM7,ﾃｷｽﾄ形式|*.m7;*.txt|ﾃｷｽﾄ形式|*.txt|QM7|*.m7|すべて(*.*)|*.*";

// Runs `answer` on the open dialog once it is shown.
void whenDialogShows(const std::function<void(QFileDialog&)>& answer) {
    QTimer::singleShot(0, [answer] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        answer(*dialog);
    });
}

class OpenDialog : public testing::Test {
protected:
    OpenDialog() { fs::create_directory(folder.path() / "ドリル"); }

    TempFolder folder;
    QtPlatform platform;
};

TEST_F(OpenDialog, TypedNameGetsTheDefaultExtensionAndItsFolderBecomesCurrent) {
    QString shownFolder;
    QStringList filters;
    QString selectedFilter;
    whenDialogShows([&](QFileDialog& dialog) {
        shownFolder = dialog.directory().absolutePath();
        filters = dialog.nameFilters();
        selectedFilter = dialog.selectedNameFilter();
        dialog.setDirectory(QString::fromStdString((folder.path() / "ドリル").string()));
        auto* nameEdit = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        ASSERT_NE(nameEdit, nullptr);
        QTest::keyClicks(nameEdit, QStringLiteral("kanji"));
        QTest::keyClick(nameEdit, Qt::Key_Return);
    });
    std::optional<std::string> chosen = platform.chooseFile(sjis(OpenFilter), "m7");

    EXPECT_EQ(shownFolder.toStdString(), folder.path().string());
    ASSERT_EQ(filters.size(), 4);
    // The list shows descriptions only.
    EXPECT_EQ(selectedFilter, QStringLiteral("QM7,ﾃｷｽﾄ形式"));
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(*chosen, sjis((folder.path() / "ドリル" / "kanji.m7").string()));
    EXPECT_EQ(fs::current_path(), folder.path() / "ドリル");
}

TEST_F(OpenDialog, CancelChoosesNothingAndStaysInTheFolder) {
    whenDialogShows([](QFileDialog& dialog) { dialog.reject(); });
    EXPECT_FALSE(platform.chooseFile(sjis(OpenFilter), "m7").has_value());
    EXPECT_EQ(fs::current_path(), folder.path());
}

TEST(HelpViewer, ShowsTheHelpFileOrSaysItCannotReadIt) {
    TempFolder folder;
    folder.write("help.hlp", "<html><body><h1>ヘルプ</h1><p>使い方</p></body></html>");
    QtPlatform platform;

    platform.showHelpContents("help.hlp");
    ASSERT_NE(platform.helpViewer(), nullptr);
    EXPECT_TRUE(platform.helpViewer()->isVisible());
    EXPECT_TRUE(platform.helpViewer()->toPlainText().contains(QStringLiteral("使い方")));

    platform.showHelpContents(sjis("無い.hlp"));
    EXPECT_TRUE(platform.helpViewer()->toPlainText().contains(QStringLiteral("無い.hlp")));

    platform.quitHelp("help.hlp");
    EXPECT_FALSE(platform.helpViewer()->isVisible());
}

TEST(HelpViewer, QuitWithoutHelpShownDoesNothing) {
    QtPlatform platform;
    platform.quitHelp("help.hlp");
    EXPECT_EQ(platform.helpViewer(), nullptr);
}

} // namespace
