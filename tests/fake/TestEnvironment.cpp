#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>

#include "fake/FakePlatform.h"

namespace {

// Every core test runs under a locale whose decimal point is a comma, as a German or French desktop
// hands it to the program: nothing the program writes or reads may follow it.
class CommaLocale : public testing::Environment {
    void SetUp() override {
#ifdef _WIN32
        ASSERT_NE(std::setlocale(LC_ALL, "German_Germany.1252"), nullptr);
#else
        ::setenv("LOCPATH", QM7_LOCALE_DIR, 1);
        ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr)
            << "the build makes de_DE.UTF-8 in " QM7_LOCALE_DIR " with localedef (Debian package locales)";
#endif
        ASSERT_STREQ(std::localeconv()->decimal_point, ",");
    }
};

// A core test fails on faults of the program itself that it does not reset.
class NoInternalErrors : public testing::EmptyTestEventListener {
    void OnTestStart(const testing::TestInfo&) override { FakePlatform::internalErrorsUnchecked = 0; }
    void OnTestEnd(const testing::TestInfo&) override {
        EXPECT_EQ(FakePlatform::internalErrorsUnchecked, 0) << "a fault of the program itself";
    }
};

[[maybe_unused]] const bool registered = [] {
    testing::AddGlobalTestEnvironment(new CommaLocale);
    testing::UnitTest::GetInstance()->listeners().Append(new NoInternalErrors);
    return true;
}();

} // namespace
