#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>

namespace {

// Every core test runs under a locale whose decimal point is a comma, as a German or French desktop
// hands it to the program: nothing the program writes or reads may follow it.
class CommaLocale : public testing::Environment {
    void SetUp() override {
        ::setenv("LOCPATH", QM7_LOCALE_DIR, 1);
        ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr)
            << "the build makes de_DE.UTF-8 in " QM7_LOCALE_DIR " with localedef (Debian package locales)";
        ASSERT_STREQ(std::localeconv()->decimal_point, ",");
    }
};

const testing::Environment* const commaLocale = testing::AddGlobalTestEnvironment(new CommaLocale);

} // namespace
