#include <QApplication>
#include <cstdlib>
#include <gtest/gtest.h>

#include "platform/qt/FontSubstitutions.h"

int main(int argc, char** argv) {
    // Also when run by hand or listed by CTest: no display, no sound card needed.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    QApplication application(argc, argv);
    registerFontSubstitutions();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
