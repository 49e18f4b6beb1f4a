#include "platform/qt/SdlSoundPlayer.h"

#include <SDL.h>

#include "platform/AppError.h"
#include "platform/Cp932.h"
#include "platform/qt/LocalFile.h"

namespace {

[[noreturn]] void throwSdlError() {
    throw AppError(sjis(SDL_GetError()));
}

} // namespace

SdlSoundPlayer::SdlSoundPlayer(std::function<void()> beforeWaiting) : m_beforeWaiting(std::move(beforeWaiting)) {}

SdlSoundPlayer::~SdlSoundPlayer() {
    release();
    if (m_audioStarted)
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

void SdlSoundPlayer::open() {
    m_wait = false;
    release();
    if (!m_audioStarted) {
        // SDL's own SIGTERM handler would only queue an event nobody reads: the program could not be stopped.
        SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
            throwSdlError();
        m_audioStarted = true;
    }
    SDL_AudioSpec fileSpec{};
    if (!SDL_LoadWAV(localFileName(m_fileName).c_str(), &fileSpec, &m_sound, &m_soundLength))
        throwSdlError();
    // SDL converts to whatever the device needs, so any device will do. A short buffer lets a
    // synchronous play end close to the sound's own end.
    fileSpec.samples = 1024;
    m_device = SDL_OpenAudioDevice(nullptr, 0, &fileSpec, &m_deviceSpec, 0);
    if (m_device == 0) {
        std::string message = sjis(SDL_GetError());
        release();
        throw AppError(message);
    }
}

void SdlSoundPlayer::play() {
    bool wait = m_wait;
    m_wait = false;
    if (m_device == 0)
        return;
    SDL_ClearQueuedAudio(m_device);
    if (SDL_QueueAudio(m_device, m_sound, m_soundLength) != 0)
        throwSdlError();
    SDL_PauseAudioDevice(m_device, 0);
    if (!wait)
        return;
    if (m_beforeWaiting)
        m_beforeWaiting();
    while (SDL_GetQueuedAudioSize(m_device) > 0)
        SDL_Delay(10);
    // The device still holds its last buffer when the queue runs dry.
    if (m_deviceSpec.freq > 0)
        SDL_Delay(static_cast<Uint32>(m_deviceSpec.samples) * 1000 / static_cast<Uint32>(m_deviceSpec.freq));
}

void SdlSoundPlayer::close() {
    m_wait = false;
    release();
}

void SdlSoundPlayer::release() {
    if (m_device != 0) {
        SDL_CloseAudioDevice(m_device);
        m_device = 0;
    }
    if (m_sound) {
        SDL_FreeWAV(m_sound);
        m_sound = nullptr;
        m_soundLength = 0;
    }
}
