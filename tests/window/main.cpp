#include <QApplication>
#include <gtest/gtest.h>

#include "TempFolder.h"
#include "platform/qt/FontSubstitutions.h"

int main(int argc, char** argv) {
    // Also when run by hand or listed by CTest: no display, no sound card needed.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    // A results log that lands in the learner's data folder lands in one of the test's own.
    TempFolder data;
    setenv("XDG_DATA_HOME", data.path.c_str(), 1);
    QApplication application(argc, argv);
    registerFontSubstitutions();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
