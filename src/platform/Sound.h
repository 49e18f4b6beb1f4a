#pragma once
#include "platform/SoundPlayer.h"

// The speaker's beeps and the wave player.
class Sound {
public:
    virtual ~Sound() = default;

    virtual void beep(unsigned code) = 0;
    virtual SoundPlayer& mediaPlayer() = 0;
};
