#include "app/CommandLine.h"

CommandLine ParseCommandLine(const std::vector<std::string>& arguments) {
    CommandLine command;
    bool options = true;
    for (const std::string& argument : arguments) {
        if (options && argument == "--") {
            options = false;
        } else if (options && argument == "--help") {
            command.action = CommandLine::Action::Help;
            return command;
        } else if (options && argument == "--version") {
            command.action = CommandLine::Action::Version;
            return command;
        } else if (options && argument == "--check") {
            command.action = CommandLine::Action::Check;
        } else if (options && argument.size() > 1 && argument[0] == '-') {
            command.action = CommandLine::Action::Misuse;
            command.fault = "unknown option '" + argument + "'";
            return command;
        } else {
            command.files.push_back(argument);
        }
    }
    if (command.action == CommandLine::Action::Check && command.files.empty()) {
        command.action = CommandLine::Action::Misuse;
        command.fault = "--check needs at least one file";
    }
    return command;
}

std::string UsageText() {
    return "Usage: qm7w [FILE]\n"
           "       qm7w --check FILE|FOLDER...\n"
           "A drill player for multiple-choice and fill-in-the-blank question files (.m7, .txt).\n"
           "\n"
           "  FILE             open this question file at start\n"
           "  --check FILE|FOLDER...\n"
           "                   check question files (a folder: its .m7 files) for mistakes and report\n"
           "                   them; needs no display, no sound device and no results log\n"
           "  --help           show this help and exit\n"
           "  --version        show the version and exit\n"
           "\n"
           "Each finished run adds a record to the results log QM7Kekka.DAT: in $XDG_DATA_HOME/qm7w/\n"
           "(~/.local/share/qm7w/) for an installed program, beside a copied one if you may write there.\n";
}

std::string VersionText() {
    return "qm7w " QM7_VERSION "\n";
}
