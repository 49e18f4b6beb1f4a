#include <gtest/gtest.h>

#include "app/Events.h"
#include "app/KeyRoute.h"
#include "app/TMn1.h"

namespace {

TEST(KeyRoute, ReturnPressesTheDefaultButtonUnlessTheFocusedControlTakesIt) {
    TMn1 w;
    const struct {
        const Control* focused;
        std::uint16_t key;
        bool defaultShown;
        KeyRoute expected;
    } cases[] = {{nullptr, vk::Return, true, KeyRoute::DefaultButton},
                 {nullptr, vk::Return, false, KeyRoute::Answer},
                 {nullptr, '1', true, KeyRoute::Answer},
                 {nullptr, vk::Tab, true, KeyRoute::Focused},
                 {&w.Toi, vk::Return, true, KeyRoute::Answer},
                 {&w.Toi, vk::Space, true, KeyRoute::Answer},
                 {&w.Toi, vk::Tab, true, KeyRoute::Focused},
                 {&w.Sel(3), vk::Return, true, KeyRoute::Focused},
                 {&w.Sel(3), '2', true, KeyRoute::Focused},
                 {&w.BtnNext, vk::Space, true, KeyRoute::Focused}};
    for (const auto& c : cases)
        EXPECT_EQ(c.expected, RouteKey(c.focused, c.key, c.defaultShown))
            << (c.focused ? c.focused->name() : "window") << " key " << c.key;
}

} // namespace
