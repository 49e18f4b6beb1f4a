#include "platform/sdl/SdlSoundPlayer.h"

#include <algorithm>
#include <memory>

#include "platform/AppError.h"
#include "platform/posix/LocalFile.h"
#include "platform/sdl/SdlLibrary.h"
#include "text/Cp932.h"
#include "text/Limits.h"

namespace {

// How much longer than the sound itself a synchronous play waits for a device that takes no data.
constexpr Uint64 WaitMargin = 1000;
constexpr Uint32 SoundSecondsLimit = 10 * 60;

[[noreturn]] void throwSdlError() {
    throw AppError(sjis(sdlLibrary().SDL_GetError()));
}

[[noreturn]] void throwDeviceError() {
    throw SoundDeviceError(sjis(sdlLibrary().SDL_GetError()));
}

int frameSize(const SDL_AudioSpec& spec) {
    return SDL_AUDIO_BITSIZE(spec.format) / 8 * spec.channels;
}

// The wave in the device's format, resampled and remixed by SDL. A resampling stream holds back its
// last few milliseconds, so silence follows the wave, and the result is cut to the wave's length. Fed
// in pieces, since SDL counts bytes in int.
std::vector<Uint8> converted(const Uint8* wave, Uint32 length, const SDL_AudioSpec& from, const SDL_AudioSpec& to) {
    std::unique_ptr<SDL_AudioStream, decltype(SdlLibrary::SDL_FreeAudioStream)> stream(
        sdlLibrary().SDL_NewAudioStream(from.format, from.channels, from.freq, to.format, to.channels, to.freq),
        sdlLibrary().SDL_FreeAudioStream);
    if (!stream)
        throwSdlError();
    std::vector<Uint8> result;
    auto put = [&](const Uint8* data, Uint32 size) {
        if (sdlLibrary().SDL_AudioStreamPut(stream.get(), data, static_cast<int>(size)) != 0)
            throwSdlError();
        int available = sdlLibrary().SDL_AudioStreamAvailable(stream.get());
        std::size_t at = result.size();
        result.resize(at + static_cast<std::size_t>(std::max(available, 0)));
        int taken = sdlLibrary().SDL_AudioStreamGet(stream.get(), result.data() + at, available);
        if (taken < 0)
            throwSdlError();
        result.resize(at + static_cast<std::size_t>(taken));
    };
    const Uint32 frame = static_cast<Uint32>(std::max(frameSize(from), 1));
    const Uint32 piece = frame * 16384;
    length -= length % frame;
    for (Uint32 done = 0; done < length; done += std::min(piece, length - done))
        put(wave + done, std::min(piece, length - done));
    std::vector<Uint8> silence(std::size_t{frame} * static_cast<std::size_t>(from.freq / 10 + 1),
                               from.format == AUDIO_U8 ? 0x80 : 0);
    put(silence.data(), static_cast<Uint32>(silence.size()));
    Uint64 frames = Uint64{length / frame} * static_cast<Uint64>(to.freq) / static_cast<Uint64>(from.freq);
    result.resize(std::min<std::size_t>(result.size(), frames * static_cast<Uint64>(frameSize(to))));
    return result;
}

} // namespace

SdlSoundPlayer::SdlSoundPlayer(std::function<void()> beforeWaiting) : m_beforeWaiting(std::move(beforeWaiting)) {
    m_opening = std::thread([this] {
        const SdlLibrary* sdl = nullptr;
        try {
            sdl = &sdlLibrary();
            openDevice();
        } catch (const AppError&) {
            // The first open tries again and reports it.
        }
        // SDL keeps its error text per thread, and frees it only for threads of its own.
        if (sdl)
            sdl->SDL_TLSCleanup();
    });
}

SdlSoundPlayer::~SdlSoundPlayer() {
    finishOpening();
    if (m_device != 0)
        sdlLibrary().SDL_CloseAudioDevice(m_device);
    if (m_audioStarted)
        sdlLibrary().SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

void SdlSoundPlayer::open() {
    close();
    openDevice();
    // Read by us, so SDL is never handed a FIFO or an endless device.
    std::string bytes = readLimitedLocalFile(m_fileName, MediaFileLimit);
    SDL_AudioSpec fileSpec{};
    Uint8* wave = nullptr;
    Uint32 length = 0;
    if (!sdlLibrary().SDL_LoadWAV_RW(sdlLibrary().SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size())), 1,
                                     &fileSpec, &wave, &length))
        throwSdlError();
    std::unique_ptr<Uint8, decltype(SdlLibrary::SDL_FreeWAV)> owned(wave, sdlLibrary().SDL_FreeWAV);
    bytes = {};
    // A small file of few samples a second would take the device's format at many times its size.
    const Uint64 bytesPerSecond = Uint64(std::max(frameSize(fileSpec), 1)) * Uint64(std::max(fileSpec.freq, 1));
    if (length / bytesPerSecond > SoundSecondsLimit)
        throw AppError(sjis("ﾌｧｲﾙ ") + m_fileName +
                       sjis(" は長すぎます（" + std::to_string(SoundSecondsLimit / 60) + "分まで）"));
    m_sound = converted(wave, length, fileSpec, m_deviceSpec);
}

void SdlSoundPlayer::play() {
    bool wait = m_wait;
    m_wait = false;
    finishOpening();
    if (m_sound.empty() || m_device == 0)
        return;
    // From the beginning, cutting off whatever is still queued.
    sdlLibrary().SDL_ClearQueuedAudio(m_device);
    constexpr std::size_t piece = 1 << 30;
    for (std::size_t done = 0; done < m_sound.size(); done += piece) {
        Uint32 length = static_cast<Uint32>(std::min(piece, m_sound.size() - done));
        if (sdlLibrary().SDL_QueueAudio(m_device, m_sound.data() + done, length) != 0)
            throwSdlError();
    }
    if (!wait)
        return;
    if (m_beforeWaiting)
        m_beforeWaiting();
    waitForEnd();
}

void SdlSoundPlayer::close() {
    m_wait = false;
    finishOpening();
    if (m_device != 0)
        sdlLibrary().SDL_ClearQueuedAudio(m_device);
    m_sound = {};
}

SDL_AudioDeviceID SdlSoundPlayer::device() {
    finishOpening();
    return m_device;
}

void SdlSoundPlayer::finishOpening() {
    if (m_opening.joinable())
        m_opening.join();
}

void SdlSoundPlayer::openDevice() {
    // A device the sound server has dropped takes no more data: open a new one.
    if (m_device != 0 && sdlLibrary().SDL_GetAudioDeviceStatus(m_device) == SDL_AUDIO_STOPPED) {
        sdlLibrary().SDL_CloseAudioDevice(m_device);
        m_device = 0;
    }
    if (m_device != 0)
        return;
    if (!m_audioStarted) {
        // SDL's own SIGTERM handler would only queue an event nobody reads: the program could not be stopped.
        sdlLibrary().SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        if (sdlLibrary().SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
            throwDeviceError();
        m_audioStarted = true;
    }
    // The rate most desktops run at; the device may choose its own format, and the waves follow it.
    SDL_AudioSpec wanted{};
    wanted.freq = 48000;
    wanted.format = AUDIO_S16SYS;
    wanted.channels = 2;
    // About 11 ms. SDL's buffer and the sound server's, which is as large, are most of the delay
    // from a key press to the sound; half as much breaks up on a busy machine.
    wanted.samples = 512;
    m_device = sdlLibrary().SDL_OpenAudioDevice(nullptr, 0, &wanted, &m_deviceSpec,
                                                SDL_AUDIO_ALLOW_FREQUENCY_CHANGE | SDL_AUDIO_ALLOW_FORMAT_CHANGE |
                                                    SDL_AUDIO_ALLOW_CHANNELS_CHANGE);
    if (m_device == 0)
        throwDeviceError();
    sdlLibrary().SDL_PauseAudioDevice(m_device, 0);
}

// Until the device has played the queue out, yet no longer than the sound's length and a margin: a
// device that stops taking data must not hold the window for ever.
void SdlSoundPlayer::waitForEnd() {
    const Uint64 bytesPerSecond = std::max<Uint64>(1, Uint64(m_deviceSpec.freq) * Uint64(frameSize(m_deviceSpec)));
    const Uint64 deadline = sdlLibrary().SDL_GetTicks64() + m_sound.size() * 1000 / bytesPerSecond + WaitMargin;
    while (sdlLibrary().SDL_GetQueuedAudioSize(m_device) > 0 && sdlLibrary().SDL_GetTicks64() < deadline)
        sdlLibrary().SDL_Delay(5);
    // The last of it is still in SDL's buffer and the sound server's.
    if (m_deviceSpec.freq > 0)
        sdlLibrary().SDL_Delay(2 * Uint32(m_deviceSpec.samples) * 1000 / Uint32(m_deviceSpec.freq));
}
