#include <gtest/gtest.h>

#include "app/CommandLine.h"
#include "fake/Drill.h"

namespace {

using Action = CommandLine::Action;

TEST(CommandLine, FirstFileOpensOptionsPrintOrAreRefused) {
    const std::tuple<std::vector<std::string>, Action, std::optional<std::string>> cases[] = {
        {{}, Action::Window, std::nullopt},
        {{"a.m7", "b.m7"}, Action::Window, "a.m7"},
        {{"-"}, Action::Window, "-"},
        {{"--", "--help"}, Action::Window, "--help"},
        {{"a.m7", "--help"}, Action::Help, "a.m7"},
        {{"--version", "--bogus"}, Action::Version, std::nullopt},
        {{"a.m7", "-x"}, Action::Misuse, "a.m7"},
    };
    for (const auto& [arguments, action, file] : cases) {
        CommandLine command = ParseCommandLine(arguments);
        EXPECT_EQ(command.action, action) << testing::PrintToString(arguments);
        EXPECT_EQ(command.file, file) << testing::PrintToString(arguments);
    }
    EXPECT_EQ(ParseCommandLine({"-x"}).fault, "unknown option '-x'");
}

TEST(CommandLine, AMissingFileNamedAtStartIsReportedAndStartsNoRun) {
    Drill drill;
    RunHandler(drill.program, "OpenQuestionFile", [&] { OpenQuestionFile(drill.program, "/d/missing.m7", "/"); });
    EXPECT_EQ(drill.platform.errors, std::vector<std::string>{sjis("ﾌｧｲﾙ /d/missing.m7 は開けません.")});
    EXPECT_EQ(drill.program.Phase, RunPhase::NoFile);
    EXPECT_EQ(drill.program.Mn1.LbSkip.caption(), "  0:00") << "the totals were refreshed";
    EXPECT_FALSE(drill.platform.closeRequested);
}

} // namespace
