#include <QApplication>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>

#include "platform/qt/FontSubstitutions.h"

int main(int argc, char** argv) {
    // Also when run by hand or listed by CTest: no display, no sound card needed.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    // A results log that lands in the learner's data folder lands in one of the test's own.
    std::string data = (std::filesystem::temp_directory_path() / "qm7-window-XXXXXX").string();
    if (!mkdtemp(data.data()))
        return 1;
    setenv("XDG_DATA_HOME", data.c_str(), 1);
    QApplication application(argc, argv);
    registerFontSubstitutions();
    testing::InitGoogleTest(&argc, argv);
    int status = RUN_ALL_TESTS();
    std::filesystem::remove_all(data);
    return status;
}
