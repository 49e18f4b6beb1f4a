#pragma once
#include <SDL_audio.h>
#include <functional>
#include <string>

#include "platform/SoundPlayer.h"

// MediaPlayer1 on SDL2 audio: a whole wave file queued on a device opened for its format.
class SdlSoundPlayer : public SoundPlayer {
public:
    // `beforeWaiting` runs before a synchronous play blocks, so the screen is current meanwhile.
    explicit SdlSoundPlayer(std::function<void()> beforeWaiting = {});
    ~SdlSoundPlayer() override;
    SdlSoundPlayer(const SdlSoundPlayer&) = delete;
    SdlSoundPlayer& operator=(const SdlSoundPlayer&) = delete;

    void setFileName(const std::string& name) override { m_fileName = name; }
    void open() override;
    void setWait() override { m_wait = true; }
    void play() override;
    void close() override;

    bool isOpen() const { return m_device != 0; }

private:
    void release();

    std::function<void()> m_beforeWaiting;
    std::string m_fileName;
    bool m_wait = false;
    bool m_audioStarted = false;
    Uint8* m_sound = nullptr;
    Uint32 m_soundLength = 0;
    SDL_AudioDeviceID m_device = 0;
    SDL_AudioSpec m_deviceSpec{};
};
