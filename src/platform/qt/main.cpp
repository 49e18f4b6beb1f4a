#include <QApplication>

#include "app/Events.h"
#include "app/Program.h"
#include "platform/qt/FontSubstitutions.h"
#include "platform/qt/MainWindowView.h"
#include "platform/qt/QtPlatform.h"
#include "platform/qt/QtTranslations.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("QM7W"));
    registerFontSubstitutions();
    useJapaneseQtTexts();

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
