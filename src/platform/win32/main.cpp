#include <windows.h>

#include <commctrl.h>
#include <shellapi.h>

#include "app/CommandLine.h"
#include "app/Events.h"
#include "model/Program.h"
#include "platform/win32/CheckCommand.h"
#include "platform/win32/ConsoleOutput.h"
#include "platform/win32/FileNames.h"
#include "platform/win32/MainWindow.h"
#include "platform/win32/Win32Platform.h"

namespace {

// The arguments after the program's name, as the core takes file names.
std::vector<std::string> commandLineArguments() {
    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> result;
    for (int i = 1; i < count; ++i)
        result.push_back(coreFileName(arguments[i]));
    LocalFree(arguments);
    return result;
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    CommandLine command = ParseCommandLine(commandLineArguments());
    switch (command.action) {
    case CommandLine::Action::Help:
        writeOutput(UsageText());
        return 0;
    case CommandLine::Action::Version:
        writeOutput(VersionText());
        return 0;
    case CommandLine::Action::Check:
        return runDrillCheck(command.files);
    case CommandLine::Action::Misuse:
        writeError("qm7w: " + command.fault + "\n" + UsageText());
        return 2;
    case CommandLine::Action::Window:
        break;
    }

    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    Win32Platform platform;
    Program program(platform);
    MainWindow window(program, instance);
    platform.setMainWindow(window.window(), &window);
    RunHandler(program, FormCreate);

    window.showCentred();
    if (std::optional<std::string> file = command.file()) {
        // As if the file had been chosen in the open dialog.
        RunHandler(program, "OpenQuestionFile", [&] {
            std::string folder = platform.files().currentFolder();
            OpenQuestionFile(program, platform.files().enterFolderOf(*file), folder);
        });
    }
    int status = platform.events().run();
    RunHandler(program, FormDestroy);
    platform.setMainWindow(nullptr, nullptr);
    return status;
}
