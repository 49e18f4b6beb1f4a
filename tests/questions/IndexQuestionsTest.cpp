#include <gtest/gtest.h>

#include <memory>

#include "fake/Drill.h"
#include "fake/QuestionFiles.h"
#include "questions/IndexQuestions.h"

namespace {

// Opens a one-question file of base "b" whose body starts with `directives`.
struct Opened : Drill {
    explicit Opened(const std::vector<std::string>& directives) {
        std::vector<std::string> body = directives;
        body.insert(body.end(), {"I ___ it.", "#a#b", "1"});
        writeFile("q.m7", questionFile("b", body));
        open("q.m7");
        EXPECT_TRUE(platform.errors.empty());
        EXPECT_EQ(program.Phase, RunPhase::Asking);
    }
    std::string instruction() const { return program.Mn1.LbMondai.caption(); }
    const std::vector<std::string>& body() const { return program.Mn1.FileLines.lines(); }
};

const std::string DefaultInstruction = sjis("適切なものを選択せよ");

TEST(IndexQuestions, PrefixDirectivesAndTheTopmostWins) {
    EXPECT_EQ(Opened({"/Gpics"}).program.Run.PictureBase, "pics");
    EXPECT_EQ(Opened({"/G pics"}).program.Run.PictureBase, " pics"); // no blank is skipped
    EXPECT_EQ(Opened({"/G"}).program.Run.PictureBase, "");
    EXPECT_EQ(Opened({"/Gup", "/Gdown"}).program.Run.PictureBase, "up");
    EXPECT_EQ(Opened({"/Vsnd", "/Vlater"}).program.Run.ListenBase, "snd");
    EXPECT_EQ(Opened({"/Tupper", "/Tlower"}).instruction(), "upper");
    EXPECT_EQ(Opened({}).instruction(), DefaultInstruction);

    Opened prefixes({"/Vsnd"});
    EXPECT_EQ(prefixes.program.Run.PictureBase, "b");
    EXPECT_EQ(prefixes.program.Run.ListenBase, "snd");
}

TEST(IndexQuestions, ValuesAreCutAt255BytesAndSkipAtOneByte) {
    const std::string long300(300, 'v');
    EXPECT_EQ(Opened({"/T" + long300}).instruction(), std::string(255, 'v'));
    EXPECT_EQ(Opened({"/G" + long300}).program.Run.PictureBase, std::string(255, 'v'));
    EXPECT_EQ(Opened({"/V" + long300}).program.Run.ListenBase, std::string(255, 'v'));

    EXPECT_EQ(Opened({"/Sabc"}).program.Mn1.LbSkip.caption(), "a");
    EXPECT_EQ(Opened({"/Sあ"}).program.Mn1.LbSkip.caption(), "\x82"); // "あ" = 0x82 0xA0, cut to its lead byte

    // "/S" alone clears the time text the totals have just written.
    for (std::string skip : {"/S", "//"}) {
        Drill drill;
        drill.platform.files[drill.logPath()] = "261206 005058-010203,600020023003020abc\r\n";
        drill.writeFile("q.m7", questionFile("b", {skip, "Q ___", "#a#b", "1"}));
        drill.open("q.m7");
        EXPECT_EQ(drill.program.Mn1.LbSkip.caption(), skip == "/S" ? "" : " 10:00");
    }
}

TEST(IndexQuestions, WhatIsADirectiveAndWhatStaysInTheBody) {
    EXPECT_EQ(Opened({"/R"}).program.Run.KeepOrder, 1);
    EXPECT_EQ(Opened({}).program.Run.KeepOrder, 0);

    // Other code bytes, a lower-case code and a lone "/" are question text.
    Opened kept({"/X abc", "/t abc", "/"});
    EXPECT_EQ(kept.body(), (std::vector<std::string>{"/X abc", "/t abc", "/", "I ___ it.", "#a#b", "1"}));
    EXPECT_EQ(kept.memo(), "/X abc\r\n/t abc\r\n/\r\nI ___ it.\r\n");

    // A text line that happens to start with "/T" is an instruction, and leaves the question.
    Opened tokyo({"/Tokyo is big."});
    EXPECT_EQ(tokyo.instruction(), "okyo is big.");
    EXPECT_EQ(tokyo.body(), (std::vector<std::string>{"I ___ it.", "#a#b", "1"}));

    // Directives anywhere, even inside a block and below the last answer line.
    Drill drill;
    drill.writeFile("d.m7", questionFile("b", {"//note", "Q1 ___", "/N", "#a#b", "/Ttwo", "1", "Q2 ___", "#c#d", "2",
                                               "/Vsnd", "", "//end", ""}));
    drill.open("d.m7");
    EXPECT_EQ(drill.program.Mn1.FileLines.lines(),
              (std::vector<std::string>{"Q1 ___", "#a#b", "1", "Q2 ___", "#c#d", "2"}));
    EXPECT_EQ(drill.program.Run.ListenBase, "snd");
    EXPECT_EQ(drill.program.Mn1.LbMondai.caption(), "two");
}

TEST(IndexQuestions, TableOfQuestionsStartingAt0_3_7) {
    Drill drill;
    drill.writeFile("t.m7", questionFile("b", {"a ___", "#x#y", "1", "b", "c ___", "#x#y", "2", "d ___", "#x#y", "1"}));
    drill.open("t.m7");
    const QuestionTable& table = drill.program.Run.Table;
    EXPECT_EQ((std::vector<int>(table.pendingRow.begin(), table.pendingRow.begin() + 4)),
              (std::vector<int>{1, 2, 3, 0}));
    EXPECT_EQ((std::vector<int>(table.startRow.begin(), table.startRow.begin() + 4)), (std::vector<int>{0, 3, 7, 0}));
    EXPECT_EQ(drill.program.Run.QuestionTotal, 3);
}

TEST(IndexQuestions, TrailingEmptyLinesChangeNothing) {
    const std::vector<std::string> body = {"a ___", "#x#y", "1", "b ___", "#x#y", "2"};
    std::vector<std::string> padded = body;
    padded.insert(padded.end(), {"", ""});
    // An empty line between the last choices line and its answer is below the last choices line too.
    std::vector<std::string> gap = {"a ___", "#x#y", "1", "b ___", "#x#y", "", "2", ""};

    Drill plain, withEmpty, withGap;
    plain.writeFile("q.m7", questionFile("b", body));
    withEmpty.writeFile("q.m7", questionFile("b", padded));
    withGap.writeFile("q.m7", questionFile("b", gap));
    for (Drill* drill : {&plain, &withEmpty, &withGap}) {
        drill->open("q.m7");
        EXPECT_EQ(drill->program.Mn1.FileLines.lines(), body);
        EXPECT_EQ(drill->program.Run.QuestionTotal, 2);
        EXPECT_EQ(drill->program.Run.Table.pendingRow, plain.program.Run.Table.pendingRow);
        EXPECT_EQ(drill->program.Run.Table.startRow, plain.program.Run.Table.startRow);
    }

    // Lines below the last answer line that are not empty stay, and belong to no question.
    Drill tail;
    tail.writeFile("q.m7", questionFile("b", {"a ___", "#x#y", "1", "after", "", "more", ""}));
    tail.open("q.m7");
    EXPECT_EQ(tail.program.Mn1.FileLines.lines(), (std::vector<std::string>{"a ___", "#x#y", "1", "after", "more"}));
    EXPECT_EQ(tail.program.Run.QuestionTotal, 1);
}

TEST(IndexQuestions, BaseLineNamesPrefixesAndTranslationFile) {
    Drill hash;
    hash.writeFile("q.m7", questionFile("a#b", questionBlocks(1)));
    hash.writeFile("a#bjp.txt", {"head", "one"});
    hash.open("q.m7");
    EXPECT_EQ(hash.program.Run.RunTag, "261206 005058#a#b");
    EXPECT_EQ(hash.program.Run.PictureBase, "a#b");
    EXPECT_EQ(hash.program.Run.ListenBase, "a#b");
    EXPECT_EQ(hash.program.Run.TranslationLoaded, 1);

    Drill empty;
    empty.writeFile("q.m7", questionFile("", questionBlocks(1)));
    empty.writeFile("jp.txt", {"head", "one"});
    empty.open("q.m7");
    EXPECT_EQ(empty.program.Run.RunTag, "261206 005058#");
    EXPECT_EQ(empty.program.Run.PictureBase, "");
    EXPECT_EQ(empty.program.Run.TranslationLoaded, 1);
}

TEST(IndexQuestions, TranslationFileAndHintButton) {
    const std::vector<std::string> body = questionBlocks(1);
    auto opened = [&](const std::vector<std::string>& directives, const std::vector<std::string>& files) {
        auto drill = std::make_unique<Drill>();
        std::vector<std::string> lines = directives;
        lines.insert(lines.end(), body.begin(), body.end());
        drill->writeFile("q.m7", questionFile("v", lines));
        for (const std::string& name : files)
            drill->writeFile(name, {"head", "from " + name});
        drill->open("q.m7");
        return drill;
    };
    auto translation = [](const Drill& drill) { return drill.program.Mn1.TranslationLines.get(1); };

    auto none = opened({}, {});
    EXPECT_EQ(none->program.Run.TranslationLoaded, 0);
    EXPECT_FALSE(none->program.Mn1.SpdBtn7.visible());

    auto standard = opened({}, {"vjp.txt"});
    EXPECT_EQ(standard->program.Run.TranslationLoaded, 1);
    EXPECT_TRUE(standard->program.Mn1.SpdBtn7.visible());
    EXPECT_EQ(translation(*standard), "from vjp.txt");

    auto named = opened({"/Yother.txt"}, {"vjp.txt", "other.txt"});
    EXPECT_EQ(translation(*named), "from other.txt");

    // A /Y naming a missing file is passed over: the default, or the next /Y below, stays in force.
    auto missing = opened({"/Ymissing.txt"}, {"vjp.txt"});
    EXPECT_EQ(missing->program.Run.TranslationLoaded, 1);
    EXPECT_EQ(translation(*missing), "from vjp.txt");
    auto below = opened({"/Ymissing.txt", "/Ylower.txt"}, {"vjp.txt", "lower.txt"});
    EXPECT_EQ(translation(*below), "from lower.txt");
    auto nothing = opened({"/Ymissing.txt"}, {});
    EXPECT_EQ(nothing->program.Run.TranslationLoaded, 0);
    EXPECT_FALSE(nothing->program.Mn1.SpdBtn7.visible());
}

TEST(IndexQuestions, ReturnsCountOr5000AndKeepsSourceLinesInStep) {
    Drill drill;
    drill.program.Run.RunTag = "261206 005058#b";
    drill.program.Mn1.FileLines.setText("//c\r\nQ ___\r\n/Tx\r\n#a#b\r\n1\r\n\r\n");
    std::vector<int> sourceLines{3, 4, 5, 6, 7, 8};
    EXPECT_EQ(IndexQuestions(drill.program, sourceLines), 1);
    EXPECT_EQ(sourceLines, (std::vector<int>{4, 6, 7}));

    drill.program.Mn1.FileLines.setText("text\r\n/Tx\r\n");
    sourceLines = {3, 4};
    EXPECT_EQ(IndexQuestions(drill.program, sourceLines), NoChoicesLine);
    EXPECT_TRUE(drill.program.Closing);
}

} // namespace
