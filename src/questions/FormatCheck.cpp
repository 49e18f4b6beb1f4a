#include "questions/FormatCheck.h"

#include "model/RunState.h"
#include "model/TMn1.h"
#include "questions/ChoicesLine.h"
#include "text/Cp932.h"
#include "text/DbcsPos.h"
#include "text/LineList.h"

namespace {

bool isLabel(char label) {
    return (label >= '1' && label <= '9') || (label >= 'A' && label <= 'H');
}

std::string fault(int sourceLine, const std::string& utf8What) {
    return sjis(std::to_string(sourceLine) + "行目: " + utf8What);
}

// The whole character that byte `index` of `text` belongs to.
std::string characterAround(const std::string& text, std::size_t index) {
    std::size_t start = 0;
    while (start + characterLength(text, start) <= index)
        start += characterLength(text, start);
    return text.substr(start, characterLength(text, start));
}

std::optional<std::string> checkAnswerLine(const std::string& answerLine, int choiceCount, int sourceLine) {
    std::string labels = TrimAnswerLine(answerLine);
    if (labels.empty())
        return fault(sourceLine, "解答行に解答の記号がありません");
    for (std::size_t i = 0; i < labels.size(); i += 2) {
        char label = labels[i];
        // A label byte inside a double-byte character ("、" after "1" holds an "A") is that character.
        std::string written = characterAround(labels, i);
        if (written.size() > 1 || !isLabel(label))
            return fault(sourceLine, "解答の記号「" + decodeCp932(written) + "」は1～9またはA～Hではありません");
        if (choiceNumber(label) > choiceCount)
            return fault(sourceLine, "解答の記号「" + std::string(1, label) + "」の選択肢がありません（選択肢は" +
                                         std::to_string(choiceCount) + "個）");
    }
    return std::nullopt;
}

} // namespace

std::string WrongFormatText() {
    return sjis("ファイル形式が違います");
}

std::optional<std::string> FindFormatFault(const LineList& lines, const std::vector<int>& sourceLines) {
    auto lineNo = [&](int index) { return sourceLines.at(static_cast<std::size_t>(index)); };

    int lastChoices = -1;
    for (int i = 0; i < lines.count(); ++i)
        if (IsChoicesLine(lines.get(i)))
            lastChoices = i;

    int questionStart = 0;
    int question = 0;
    for (int i = 0; i <= lastChoices; ++i) {
        const std::string& line = lines.get(i);
        if (line.empty())
            return fault(lineNo(i), "空行は使えません");
        if (!IsChoicesLine(line))
            continue;
        ++question;
        if (question > MaxQuestions)
            return fault(lineNo(i), "問題が" + std::to_string(MaxQuestions) + "問を超えています");
        if (i <= questionStart)
            return fault(lineNo(i), "選択肢の行の前に問題文がありません");
        if (i + 1 >= lines.count() || IsChoicesLine(lines.get(i + 1)))
            return fault(lineNo(i), "選択肢の行の次に解答行がありません");
        // Without a second "#" the split gives an empty first choice and the teacher's one as the second,
        // so the answer "1" would name the empty one.
        if (DbcsPos("#", std::string_view(line).substr(1)) == 0)
            return fault(lineNo(i), "選択肢が1個しかありません（2個から17個まで）");
        int choiceCount = static_cast<int>(SplitChoices(line).size());
        if (choiceCount > ChoiceButtonCount)
            return fault(lineNo(i), "選択肢が" + std::to_string(choiceCount) + "個あります（17個まで）");
        if (auto bad = checkAnswerLine(lines.get(i + 1), choiceCount, lineNo(i + 1)))
            return bad;
        questionStart = i + 2;
    }
    return std::nullopt;
}
