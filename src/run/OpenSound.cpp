#include "run/OpenSound.h"

#include "model/Program.h"
#include "platform/AppError.h"

bool OpenSound(Program& program) {
    try {
        program.platform.sound.mediaPlayer().open();
        return true;
    } catch (const SoundDeviceError& error) {
        // A box on every answer would stand between the learner and the drill.
        if (!program.SoundDeviceReported)
            program.platform.dialogs.errorBox(error.boxText());
        program.SoundDeviceReported = true;
        return false;
    }
}
