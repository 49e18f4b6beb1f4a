#include <QApplication>

#include "app/Events.h"
#include "app/Program.h"
#include "platform/qt/FontSubstitutions.h"
#include "platform/qt/MainWindowView.h"
#include "platform/qt/QtPlatform.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("QM7W"));
    registerFontSubstitutions();

    QtPlatform platform;
    Program program(platform);
    MainWindowView window(program);
    platform.setMainWindow(&window);
    RunHandler(program, FormCreate);

    window.showCentred();
    int status = QApplication::exec();
    RunHandler(program, FormDestroy);
    platform.setMainWindow(nullptr);
    return status;
}
