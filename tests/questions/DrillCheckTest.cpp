#include <gtest/gtest.h>

#include "fake/FakePlatform.h"
#include "questions/DrillCheck.h"

namespace {

TEST(DrillCheck, ReportsEncodingCompanionsOdditiesAndRefusalsWithoutTouchingAnything) {
    FakePlatform platform;
    // A results log that cannot be read is never looked at.
    platform.files["/opt/qm7w/QM7Kekka.DAT"] = "broken";
    platform.unreadable.insert("/opt/qm7w/QM7Kekka.DAT");
    // A run of 60 "_" is asked as two blanks.
    platform.files["p.m7"] = "Title\r\npb\r\nQ ___\r\n#a#b\r\n\x82\x50\r\nQ2 ___\r\n#a#b\r\n2\r\nQ3\r\n#a#\r\n1\r\n" +
                             std::string(60, '_') + "\r\n#a#b\r\n1\r\n";
    platform.files["pb01.bmp"] = "BM";
    platform.pictures["pb01.bmp"] = {10, 10};
    platform.files["pb02.bmp"] = "not a picture";
    platform.files["pb02.wav"] = platform.files["pb03.wav"] = "RIFF";
    platform.player.unplayable = {"pb03.wav"};
    platform.files["pbjp.txt"] = "head\r\none\r\n";
    platform.files["pb03.bmp"] = "BM";
    platform.unreadable.insert("pb03.bmp"); // a FIFO, say
    EXPECT_EQ(
        CheckDrill(platform, "p.m7", "drills/p.m7").report,
        "== drills/p.m7\n文字コード: Shift-JIS\n注意: 解答行の全角の記号を半角として読みました (5行目)\n問題数: 4\n"
        "問01  絵: あり (pb01.bmp)  音声: なし (pb01.wav)  訳: あり\n"
        "問02  絵: 読めません (pb02.bmp)  音声: あり (pb02.wav)  訳: なし\n"
        "問03  絵: ﾌｧｲﾙ pb03.bmp は開けません  音声: 鳴らせません (pb03.wav: cannot open pb03.wav)  訳: なし\n"
        "問03  注意: 問題文に空欄（_）がありません\n問03  注意: 空でない選択肢が1個しかありません\n"
        "問04  絵: なし (pb04.bmp)  音声: なし (pb04.wav)  訳: なし\n"
        "問04  注意: 空欄が2個、解答の記号が1個です（残りの空欄は埋まりません）\n結果: 開けます\n");

    platform.files["h.m7"] = "T\r\nq\r\nQ ___\r\n#a#b\r\n/#\r\n1\r\n";
    platform.files["k.m7"] = "T\nq\nQ ___\n#\xCE\xBC#\xD0\xBF\n \n"; // "ﾎｼ", "ﾐｿ"; as UTF-8 "μ", "п"
    const std::pair<std::string, std::string> refused[] = {
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
                platform.player.log.empty());
}

TEST(DrillCheck, TakesTheDrillFilesOfAFolderInByteOrder) {
    // "あ" and "α": UTF-8 puts α first, as its code point is lower; Shift-JIS would not.
    EXPECT_EQ(
        DrillFilesAmong({"\xE3\x81\x82.m7", "b.M7", "x.txt", ".m7", "a.m7x", "\xCE\xB1.m7", "a.m7", "m7", "B.m7"}),
        (std::vector<std::string>{"B.m7", "a.m7", "b.M7", "\xCE\xB1.m7", "\xE3\x81\x82.m7"}));
}

} // namespace
