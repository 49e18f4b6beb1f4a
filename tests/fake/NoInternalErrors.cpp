#include <gtest/gtest.h>

#include "fake/FakePlatform.h"

namespace {

class NoInternalErrors : public testing::EmptyTestEventListener {
    void OnTestStart(const testing::TestInfo&) override { FakePlatform::internalErrorsUnchecked = 0; }
    void OnTestEnd(const testing::TestInfo&) override {
        EXPECT_EQ(FakePlatform::internalErrorsUnchecked, 0) << "a fault of the program itself";
    }
};

[[maybe_unused]] const bool registered = [] {
    testing::UnitTest::GetInstance()->listeners().Append(new NoInternalErrors);
    return true;
}();

} // namespace
