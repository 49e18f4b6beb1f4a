#pragma once
#include <SDL_audio.h>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "platform/SoundPlayer.h"

// MediaPlayer1 on SDL2 audio. One device stays open for the whole run, since opening and closing one
// per sound makes a sound wait for the previous device to shut down; every wave file is converted to
// the device's format when it is opened, and played by queueing it whole.
class SdlSoundPlayer : public SoundPlayer {
public:
    // `beforeWaiting` runs before a synchronous play blocks, so the screen is current meanwhile.
    // The device starts opening at once in the background, so that the first sound is as quick as
    // the others.
    explicit SdlSoundPlayer(std::function<void()> beforeWaiting = {});
    ~SdlSoundPlayer() override;
    SdlSoundPlayer(const SdlSoundPlayer&) = delete;
    SdlSoundPlayer& operator=(const SdlSoundPlayer&) = delete;

    void setFileName(const std::string& name) override { m_fileName = name; }
    void open() override;
    void setWait() override { m_wait = true; }
    void play() override;
    void close() override;

    bool isOpen() const { return !m_sound.empty(); }
    SDL_AudioDeviceID device();

private:
    void finishOpening();
    void openDevice();
    void waitForEnd();

    std::function<void()> m_beforeWaiting;
    std::thread m_opening;
    std::string m_fileName;
    bool m_wait = false;
    bool m_audioStarted = false;
    std::vector<Uint8> m_sound; // in the device's format
    SDL_AudioDeviceID m_device = 0;
    SDL_AudioSpec m_deviceSpec{};
};
