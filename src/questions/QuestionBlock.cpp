#include "questions/QuestionBlock.h"

#include "questions/ChoicesLine.h"
#include "text/LineList.h"

QuestionBlock ReadQuestionBlock(const LineList& lines, int start) {
    QuestionBlock block;
    int index = start;
    do
        block.text += lines.get(index++) + "\r\n";
    while (!IsChoicesLine(lines.get(index)));
    block.choicesLine = lines.get(index);
    block.answerLine = TrimAnswerLine(lines.get(index + 1));
    return block;
}
