#include <gtest/gtest.h>

#include "fake/RunFixtures.h"
#include "run/Pause.h"

namespace {

TEST(Pause, ProcessesMessagesAtLeastOnceAndEndsAcrossTheTickWrap) {
    RunDrill drill;
    Pause(drill.program, 0);
    EXPECT_EQ(drill.platform.waits, std::vector<std::uint32_t>{0});

    drill.platform.tick = 0xFFFFFF00u;
    Pause(drill.program, 800);
    EXPECT_EQ(drill.platform.waits, (std::vector<std::uint32_t>{0, 800}));
    EXPECT_EQ(drill.platform.tick, 0x220u);
}

} // namespace
