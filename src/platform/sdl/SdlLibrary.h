#pragma once
#include <SDL.h>

// The SDL2 functions the sound player calls.
#define QM7_SDL_FUNCTIONS(X)                                                                                           \
    X(SDL_AudioStreamAvailable)                                                                                        \
    X(SDL_AudioStreamGet)                                                                                              \
    X(SDL_AudioStreamPut)                                                                                              \
    X(SDL_ClearQueuedAudio)                                                                                            \
    X(SDL_CloseAudioDevice)                                                                                            \
    X(SDL_Delay)                                                                                                       \
    X(SDL_FreeAudioStream)                                                                                             \
    X(SDL_FreeWAV)                                                                                                     \
    X(SDL_GetAudioDeviceStatus)                                                                                        \
    X(SDL_GetError)                                                                                                    \
    X(SDL_GetQueuedAudioSize)                                                                                          \
    X(SDL_GetTicks64)                                                                                                  \
    X(SDL_InitSubSystem)                                                                                               \
    X(SDL_LoadWAV_RW)                                                                                                  \
    X(SDL_NewAudioStream)                                                                                              \
    X(SDL_OpenAudioDevice)                                                                                             \
    X(SDL_PauseAudioDevice)                                                                                            \
    X(SDL_QueueAudio)                                                                                                  \
    X(SDL_QuitSubSystem)                                                                                               \
    X(SDL_RWFromConstMem)                                                                                              \
    X(SDL_SetHint)                                                                                                     \
    X(SDL_TLSCleanup)

// SDL2 is loaded only when a sound is first wanted: linked to the program, it would bring the sound
// system's client libraries into every run, even one that only checks drills.
struct SdlLibrary {
#define QM7_SDL_POINTER(name) decltype(&::name) name;
    QM7_SDL_FUNCTIONS(QM7_SDL_POINTER)
#undef QM7_SDL_POINTER
};

// SDL2's functions, loaded on the first call. Throws SoundDeviceError when SDL2 is not installed or
// lacks one of them, as when there is no sound device.
const SdlLibrary& sdlLibrary();
