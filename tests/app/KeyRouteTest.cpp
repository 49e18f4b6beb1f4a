#include <gtest/gtest.h>
#include <tuple>

#include "app/Events.h"
#include "app/KeyRoute.h"
#include "app/TMn1.h"

namespace {

TEST(KeyRoute, ReturnPressesTheDefaultButtonUnlessTheFocusedControlTakesIt) {
    TMn1 w;
    using enum KeyRoute;
    const std::tuple<const Control*, std::uint16_t, bool, KeyRoute> cases[] = {
        {nullptr, vk::Return, true, DefaultButton},
        {nullptr, vk::Return, false, Answer},
        {nullptr, '1', true, Answer},
        {nullptr, vk::Tab, true, Focused},
        {&w.Toi, vk::Return, true, Answer},
        {&w.Toi, vk::Tab, true, Focused},
        {&w.Sel(3), vk::Return, true, Focused},
        {&w.Sel(3), '2', true, Focused},
        {&w.BtnNext, vk::Space, true, Focused}};
    for (const auto& [focused, key, defaultShown, expected] : cases)
        EXPECT_EQ(RouteKey(focused, key, defaultShown), expected)
            << (focused ? focused->name() : "window") << " " << key;
}

} // namespace
