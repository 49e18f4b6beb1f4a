#pragma once
#include <functional>

#include "platform/Sound.h"
#include "platform/win32/WaveOutPlayer.h"

// The system beep and the wave player.
class Win32Sound : public Sound {
public:
    Win32Sound(Win32Files& files, std::function<void()> beforeWaiting) : m_player(files, std::move(beforeWaiting)) {}
    void beep(unsigned code) override { MessageBeep(code); }
    SoundPlayer& mediaPlayer() override { return m_player; }

private:
    WaveOutPlayer m_player;
};
