#include <gtest/gtest.h>

#include "fake/FakePlatform.h"
#include "questions/DrillCheck.h"

namespace {

TEST(DrillCheck, ReportsEncodingCompanionsAndRefusalsWithoutTouchingAnything) {
    FakePlatform platform;
    platform.files["p.m7"] = "Title\r\npb\r\nQ ___\r\n#a#b\r\n\x82\x50\r\nQ2 ___\r\n#a#b\r\n2\r\n"; // "１"
    platform.files["pb01.bmp"] = "BM";
    platform.pictures["pb01.bmp"] = {10, 10};
    platform.files["pb02.bmp"] = "not a picture";
    platform.files["pb02.wav"] = "RIFF";
    platform.files["pbjp.txt"] = "head\r\none\r\n";
    EXPECT_EQ(
        CheckDrill(platform, "p.m7", "drills/p.m7").report,
        "== drills/p.m7\n文字コード: Shift-JIS\n注意: 解答行の全角の記号を半角として読みました (5行目)\n問題数: 2\n"
        "問01  絵: あり (pb01.bmp)  音声: なし (pb01.wav)  訳: あり\n"
        "問02  絵: 読めません (pb02.bmp)  音声: あり (pb02.wav)  訳: なし\n結果: 開けます\n");

    platform.files["e.m7"] = "T\nq\nQ ___\n#a#b\n1 \xF0\x9F\x98\x80\n";
    platform.files["h.m7"] = "T\r\nq\r\nQ ___\r\n#a#b\r\n/#\r\n1\r\n";
    platform.files["k.m7"] = "T\nq\nQ ___\n#\xCE\xBC#\xD0\xBF\n \n"; // "ﾎｼ", "ﾐｿ"; as UTF-8 "μ", "п"
    const std::pair<std::string, std::string> refused[] = {
        {"e.m7", "文字コード: UTF-8\nファイル形式が違います\n5行目: Shift-JISにない文字 U+1F600 があります\n"},
        {"h.m7", "文字コード: Shift-JIS\nWindows版では\"##\"選択肢は使えません！\n"},
        {"k.m7", "文字コード: Shift-JIS (UTF-8としても読めます)\nファイル形式が違います\n5行目: "
                 "解答行に解答の記号がありません\n"},
        {"gone.m7", "ﾌｧｲﾙ gone.m7 は開けません.\n"},
    };
    for (const auto& [file, why] : refused) {
        DrillCheck check = CheckDrill(platform, file, file);
        EXPECT_FALSE(check.opens);
        EXPECT_EQ(check.report, "== " + file + "\n" + why + "結果: 開けません\n");
    }
    EXPECT_TRUE(platform.messages.empty() && platform.errors.empty() && !platform.closeRequested &&
                !platform.files.count("/opt/qm7w/QM7Kekka.DAT"));
}

} // namespace
