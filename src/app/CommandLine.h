#pragma once
#include <optional>
#include <string>
#include <vector>

// What the command line asks for: a window (with a question file to open at start), a check of
// question files, or a text.
struct CommandLine {
    enum class Action { Window, Check, Help, Version, Misuse };
    Action action = Action::Window;
    std::vector<std::string> files; // every file named, in order
    std::string fault;              // for Misuse: what was wrong

    // The file a window opens at start: the first one named; any later ones are ignored.
    std::optional<std::string> file() const {
        return files.empty() ? std::nullopt : std::optional<std::string>(files.front());
    }
};

// Reads the arguments after the program name.
CommandLine ParseCommandLine(const std::vector<std::string>& arguments);

// The texts of --help and --version, each ending in a line end.
std::string UsageText();
std::string VersionText();
