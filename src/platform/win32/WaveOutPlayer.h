#pragma once
// The multimedia header needs the types of windows.h before it.
#include <windows.h>

#include <functional>
#include <mmsystem.h>
#include <string>

#include "platform/SoundPlayer.h"

class Win32Files;

// MediaPlayer1 on the wave device of Windows. Open reads the whole file and opens a device in its
// format, through the wave mapper, which converts what the sound card does not take; play hands it the
// whole sound at once.
class WaveOutPlayer : public SoundPlayer {
public:
    // `beforeWaiting` runs before a synchronous play blocks, so the screen is current meanwhile.
    WaveOutPlayer(Win32Files& files, std::function<void()> beforeWaiting);
    ~WaveOutPlayer() override;
    WaveOutPlayer(const WaveOutPlayer&) = delete;
    WaveOutPlayer& operator=(const WaveOutPlayer&) = delete;

    void setFileName(const std::string& name) override { m_fileName = name; }
    void open() override;
    void setWait() override { m_wait = true; }
    void play() override;
    void close() override;

private:
    // Stops the sound and takes its buffer back from the device.
    void stop();
    void waitForEnd(DWORD length);

    Win32Files& m_files;
    std::function<void()> m_beforeWaiting;
    std::string m_fileName;
    bool m_wait = false;
    std::string m_file; // the whole wave file, which the device reads while it plays
    WAVEHDR m_header{};
    DWORD m_bytesPerSecond = 1;
    HWAVEOUT m_device = nullptr;
    HANDLE m_done;
};
