#include <gtest/gtest.h>

#include "app/Events.h"
#include "app/Program.h"
#include "app/ProgramFolder.h"
#include "fake/FakePlatform.h"
#include "platform/Cp932.h"

namespace {

TEST(Startup, FormCreateSetsTheStartValues) {
    FakePlatform platform;
    platform.utcMilliseconds = ((23 * 60 + 59) * 60 + 59) * 1000 + 999; // the last millisecond of the day
    platform.exePath = "/usr/local/bin/qm7w";
    Program program{platform};
    program.Mn1.FileLines.add("left over");
    FormCreate(program);

    const RunState& run = program.Run;
    EXPECT_EQ(run.FirstAttempt, 1);
    EXPECT_EQ(run.CorrectCount, 0);
    EXPECT_EQ(run.MissCount, 0);
    EXPECT_EQ(run.MasteredCount, -1);
    EXPECT_EQ(run.QuestionTotal, 1);
    EXPECT_EQ(run.SoundOn, 0);
    EXPECT_EQ(run.NextPressed, 0);
    EXPECT_EQ(run.ProgramDir, "/usr/local/bin/");
    EXPECT_EQ(platform.seed, 86399999u);
    EXPECT_FALSE(program.Mn1.MediaPlayer1.visible());
    EXPECT_EQ(program.Mn1.FileLines.count(), 0);
    EXPECT_EQ(program.Mn1.ChoiceLines.count(), 0);
    EXPECT_EQ(program.Mn1.TranslationLines.count(), 0);
    EXPECT_EQ(program.Phase, RunPhase::NoFile);
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_TRUE(platform.errors.empty());
}

TEST(Startup, ProgramFolderEndsAtTheLastSlash) {
    struct Case {
        std::string path;
        std::string folder;
    };
    const Case cases[] = {
        {"/opt/qm7w/qm7w", "/opt/qm7w/"},
        {"/qm7w", "/"},
        {"qm7w", ""},
        {"", ""},
        {"/opt/qm7w/", "/opt/qm7w/"},
        {"C:\\QM7W\\QM7W.EXE", ""}, // a backslash is a name byte here, not a separator
        // Japanese folders in Shift-JIS; "表" and "ソ" have a backslash as second byte.
        {sjis("/home/表示/qm7w"), sjis("/home/表示/")},
        {sjis("/home/ソ/ソ"), sjis("/home/ソ/")},
        {sjis("/ﾃｽﾄ/問題集/qm7w"), sjis("/ﾃｽﾄ/問題集/")},
        // A lead byte cut off at the very end.
        {"/opt/qm7w/qm7\x83", "/opt/qm7w/"},
        {"/opt/\x83", "/opt/"},
        // A slash can never be a second byte, so a lead byte before one stands alone. Names CP932
        // cannot hold reach us as raw UTF-8, whose bytes often look like lead bytes ("한" = ED 95 9C).
        {"/home/\xED\x95\x9C/qm7w", "/home/\xED\x95\x9C/"},
        {"/home/caf\xE9/qm7w", "/home/caf\xE9/"},
        {"/a\x81/b\x9F/qm7w", "/a\x81/b\x9F/"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ProgramFolder(c.path), c.folder) << c.path;
}

TEST(Startup, FormDestroyQuitsHelpOnlyAfterHelpWasUsed) {
    {
        FakePlatform platform;
        Program program{platform};
        FormCreate(program);
        program.Mn1.ChoiceLines.add("x");
        FormDestroy(program);
        EXPECT_TRUE(platform.helpCalls.empty());
        EXPECT_EQ(program.Mn1.ChoiceLines.count(), 0);
    }
    {
        FakePlatform platform;
        Program program{platform};
        FormCreate(program);
        SpdBtn0Click(program);
        FormDestroy(program);
        EXPECT_EQ(platform.helpCalls,
                  (std::vector<std::string>{"contents /opt/qm7w/Qm7wh.hlp", "quit /opt/qm7w/Qm7wh.hlp"}));
    }
}

} // namespace
