#include <gtest/gtest.h>

#include <tuple>

#include "app/KeyRoute.h"
#include "fake/Drill.h"

namespace {

// By bytes: full-width "ＭＳ Ｐ" at the start, single-byte "MS P" after a press; an Open keeps the typeface
// and switches the sound on, off since the start.
TEST(ToolbarCommands, TypefaceAndSoundSwitches) {
    Drill drill;
    const FontSpec& font = drill.program.Mn1.Toi.font();
    const FontSpec labelFont = drill.program.Mn1.Label(1).font();
    EXPECT_EQ(font.face, "\x82\x6C\x82\x72\x20\x82\x6F\x83\x53\x83\x56\x83\x62\x83\x4E");
    const std::string japanese = "MS P\x83\x53\x83\x56\x83\x62\x83\x4E";
    for (const auto& [face, height] : {std::pair(japanese, 17), {"Times New Roman", 20}, {japanese, 17}}) {
        SpdBtn4Click(drill.program);
        EXPECT_EQ(std::tie(font.face, font.height, font.bold, font.italic),
                  std::make_tuple(face, height, false, false));
    }
    EXPECT_EQ(drill.program.Mn1.Label(1).font(), labelFont) << "only the question text changes";
    SpdBtn4Click(drill.program);
    drill.openQuestions(questionBlocks(1));
    EXPECT_EQ(std::tie(drill.program.Run.SoundOn, font.face), std::make_tuple(1, "Times New Roman"));
}

TEST(ToolbarCommands, HelpNamesItsFileOnEveryClickAndIsQuitOnlyIfUsed) {
    Drill unused, drill;
    FormDestroy(unused.program);
    const std::string help = "/opt/qm7w/Qm7wh.hlp";
    SpdBtn0Click(drill.program);
    drill.program.HelpFile = "other.hlp";
    SpdBtn0Click(drill.program);
    FormDestroy(drill.program);
    EXPECT_TRUE(unused.platform.helpCalls.empty());
    EXPECT_EQ(drill.platform.helpCalls,
              (std::vector<std::string>{"contents " + help, "contents " + help, "quit " + help}));
}

TEST(KeyRoute, ReturnPressesTheDefaultButtonUnlessTheFocusedControlTakesIt) {
    TMn1 w;
    using enum KeyRoute;
    const std::tuple<const Control*, std::uint16_t, bool, KeyRoute> cases[] = {
        {nullptr, vk::Return, true, DefaultButton}, {nullptr, vk::Return, false, Answer},
        {&w.Toi, vk::Return, true, Answer},         {&w.Toi, vk::Tab, true, Focused},
        {&w.Sel(3), vk::Return, true, Focused},     {&w.BtnNext, vk::Space, true, Focused}};
    for (const auto& [focused, key, defaultShown, expected] : cases)
        EXPECT_EQ(RouteKey(focused, key, defaultShown), expected)
            << (focused ? focused->name() : "window") << " " << key;
}

} // namespace
