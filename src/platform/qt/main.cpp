#include <QApplication>
#include <string_view>

#include "app/Events.h"
#include "app/Program.h"
#include "platform/qt/CheckCommand.h"
#include "platform/qt/FontSubstitutions.h"
#include "platform/qt/MainWindowView.h"
#include "platform/qt/QtPlatform.h"

int main(int argc, char** argv) {
    // The check runs before any window system is asked for, so it needs no display.
    if (argc >= 2 && std::string_view(argv[1]) == "--check")
        return runDrillCheck(std::vector<std::string>(argv + 2, argv + argc));
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("QM7W"));
    registerFontSubstitutions();

    QtPlatform platform;
    Program program(platform);
    MainWindowView window(program);
    platform.setMainWindow(&window);
    RunHandler(program, [&] { FormCreate(program); });

    window.showCentred();
    int status = QApplication::exec();
    RunHandler(program, [&] { FormDestroy(program); });
    platform.setMainWindow(nullptr);
    return status;
}
