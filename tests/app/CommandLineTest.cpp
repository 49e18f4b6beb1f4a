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
        EXPECT_EQ(command.file(), file) << testing::PrintToString(arguments);
    }
    EXPECT_EQ(ParseCommandLine({"-x"}).fault, "unknown option '-x'");
}

} // namespace
