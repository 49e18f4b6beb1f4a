#include <QApplication>
#include <QTimer>
#include <cstdio>

#include "app/CommandLine.h"
#include "app/Events.h"
#include "model/Program.h"
#include "platform/qt/CheckCommand.h"
#include "platform/qt/FontSubstitutions.h"
#include "platform/qt/MainWindowView.h"
#include "platform/qt/QtPlatform.h"
#include "platform/qt/QtTranslations.h"

int main(int argc, char** argv) {
    // Read before Qt starts, so --help, --version and --check need no display.
    CommandLine command = ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    switch (command.action) {
    case CommandLine::Action::Help:
        std::fputs(UsageText().c_str(), stdout);
        return 0;
    case CommandLine::Action::Version:
        std::fputs(VersionText().c_str(), stdout);
        return 0;
    case CommandLine::Action::Check:
        return runDrillCheck(command.files);
    case CommandLine::Action::Misuse:
        std::fprintf(stderr, "qm7w: %s\n%s", command.fault.c_str(), UsageText().c_str());
        return 2;
    case CommandLine::Action::Window:
        break;
    }

    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("QM7W"));
    registerFontSubstitutions();
    useJapaneseQtTexts();

    QtPlatform platform;
    Program program(platform);
    MainWindowView window(program);
    platform.setMainWindow(&window);
    RunHandler(program, FormCreate);

    window.showCentred();
    if (std::optional<std::string> file = command.file()) {
        // Once the window is up, as if the file had been chosen in the open dialog.
        QTimer::singleShot(0, &window, [&, file] {
            RunHandler(program, "OpenQuestionFile", [&] {
                std::string folder = platform.currentFolder();
                OpenQuestionFile(program, platform.enterFolderOf(*file), folder);
            });
        });
    }
    int status = QApplication::exec();
    RunHandler(program, FormDestroy);
    platform.setMainWindow(nullptr);
    return status;
}
