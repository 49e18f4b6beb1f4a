#include "app/CompanionFile.h"
#include "app/Events.h"
#include "model/Program.h"

namespace {

constexpr int ScreenDpi = 96;

int pointsToPixels(int points) {
    return (points * ScreenDpi + 36) / 72;
}

} // namespace

void SpdBtn2Click(Program& program) {
    RequestClose(program);
}

void SpdBtn0Click(Program& program) {
    program.HelpFile = CompanionFile(program, "Qm7wh.hlp");
    program.platform.dialogs.showHelpContents(program.HelpFile);
}

void SpdBtn4Click(Program& program) {
    Memo& memo = program.Mn1.Toi;
    FontSpec font = memo.font();
    if (font.face == faces::PGothic.bytes()) {
        font.face = faces::TimesNewRoman.bytes();
        font.height = pointsToPixels(15);
    } else {
        font.face = faces::PGothic.bytes();
        font.height = pointsToPixels(13);
    }
    memo.setFont(font);
}

void SpdBtn5Click(Program& program) {
    program.Run.SoundOn ^= 1;
}

void BtnNextClick(Program& program) {
    program.Run.NextPressed = 1;
}
