#include "platform/win32/WaveOutPlayer.h"

#include <algorithm>

#include "media/WaveFile.h"
#include "platform/AppError.h"
#include "platform/win32/WideText.h"
#include "platform/win32/Win32Files.h"
#include "text/Cp932.h"
#include "text/Limits.h"

namespace {

// How much longer than the sound itself a synchronous play waits for a device that takes no data.
constexpr DWORD WaitMargin = 1000;

[[noreturn]] void throwDeviceError(MMRESULT result) {
    wchar_t text[MAXERRORLENGTH] = {};
    waveOutGetErrorTextW(result, text, MAXERRORLENGTH);
    // The error box puts its own "." after the text.
    std::wstring message = text;
    while (!message.empty() && (message.back() == L'。' || message.back() == L'.'))
        message.pop_back();
    throw AppError(sjisText(message));
}

} // namespace

WaveOutPlayer::WaveOutPlayer(Win32Files& files, std::function<void()> beforeWaiting)
    : m_files(files), m_beforeWaiting(std::move(beforeWaiting)), m_done(CreateEventW(nullptr, FALSE, FALSE, nullptr)) {}

WaveOutPlayer::~WaveOutPlayer() {
    close();
    CloseHandle(m_done);
}

void WaveOutPlayer::open() {
    close();
    std::string file = readLimitedFile(m_files, m_fileName, MediaFileLimit);
    std::optional<WaveFile> wave = parseWaveFile(file);
    if (!wave)
        throw AppError(sjis("ﾌｧｲﾙ ") + m_fileName + sjis(" は WAVE 形式ではありません"));
    // The device reads a WAVEFORMATEX, whose last field a plain PCM format chunk leaves out.
    std::string format(wave->format);
    format.resize(std::max(format.size(), sizeof(WAVEFORMATEX)), '\0');
    auto* header = reinterpret_cast<WAVEFORMATEX*>(format.data());
    if (header->wFormatTag == WAVE_FORMAT_PCM)
        header->cbSize = 0;
    MMRESULT result =
        waveOutOpen(&m_device, WAVE_MAPPER, header, reinterpret_cast<DWORD_PTR>(m_done), 0, CALLBACK_EVENT);
    if (result != MMSYSERR_NOERROR) {
        m_device = nullptr;
        throwDeviceError(result);
    }
    std::size_t start = static_cast<std::size_t>(wave->samples.data() - file.data());
    std::size_t length = wave->samples.size();
    m_file = std::move(file);
    m_header = WAVEHDR{};
    m_header.lpData = m_file.data() + start;
    m_header.dwBufferLength = static_cast<DWORD>(length);
    m_bytesPerSecond = std::max<DWORD>(1, header->nAvgBytesPerSec);
}

void WaveOutPlayer::play() {
    bool wait = m_wait;
    m_wait = false;
    if (m_device == nullptr)
        return;
    // From the beginning, cutting off whatever still plays.
    stop();
    ResetEvent(m_done);
    MMRESULT result = waveOutPrepareHeader(m_device, &m_header, sizeof m_header);
    if (result == MMSYSERR_NOERROR)
        result = waveOutWrite(m_device, &m_header, sizeof m_header);
    if (result != MMSYSERR_NOERROR)
        throwDeviceError(result);
    if (!wait)
        return;
    if (m_beforeWaiting)
        m_beforeWaiting();
    waitForEnd(static_cast<DWORD>(std::uint64_t{m_header.dwBufferLength} * 1000 / m_bytesPerSecond));
}

void WaveOutPlayer::close() {
    m_wait = false;
    if (m_device == nullptr)
        return;
    stop();
    waveOutClose(m_device);
    m_device = nullptr;
    m_file = {};
}

void WaveOutPlayer::stop() {
    waveOutReset(m_device);
    if (m_header.dwFlags & WHDR_PREPARED)
        waveOutUnprepareHeader(m_device, &m_header, sizeof m_header);
}

// Until the device has played the sound, yet no longer than the sound's length and a margin: a device
// that stops taking data must not hold the window for ever. No window messages meanwhile.
void WaveOutPlayer::waitForEnd(DWORD length) {
    const DWORD start = GetTickCount();
    const DWORD limit = length + WaitMargin;
    while (!(m_header.dwFlags & WHDR_DONE)) {
        DWORD waited = GetTickCount() - start;
        if (waited >= limit)
            return;
        WaitForSingleObject(m_done, limit - waited);
    }
}
