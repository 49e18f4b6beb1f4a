#include "fake/FakePlatform.h"

#include "platform/AppError.h"
#include "text/Cp932.h"
#include "text/Limits.h"

void FakeSoundPlayer::open() {
    close();
    if (noDevice)
        throw SoundDeviceError("no device");
    if (unplayable.count(m_fileName))
        throw AppError("cannot open " + m_fileName);
    m_openName = m_fileName;
    isOpen = true;
    log.push_back("open " + m_fileName);
}

std::int32_t FakePlatform::randomBelow(std::int32_t range) {
    randomRanges.push_back(range);
    int value = draws.empty() ? 0 : draws.front();
    if (!draws.empty())
        draws.pop_front();
    return value;
}

// The rules of a Linux desktop, over the fake environment.
std::optional<std::string> FakePlatform::learnerDataFolder() {
    auto absolute = [&](const std::string& variable) {
        auto found = environment.find(variable);
        return found != environment.end() && found->second.starts_with('/');
    };
    if (absolute("XDG_DATA_HOME"))
        return environment["XDG_DATA_HOME"] + "/qm7w/";
    if (absolute("HOME"))
        return environment["HOME"] + "/.local/share/qm7w/";
    return std::nullopt;
}

std::string FakePlatform::installedDataFolder(const std::string& programFolder) {
    std::string bin = programFolder.substr(0, programFolder.size() - 1);
    return bin.substr(0, bin.rfind('/') + 1) + "share/qm7w/";
}

bool FakePlatform::lockFile(const std::string& name) {
    fileEvents.push_back("lock " + name);
    return !lockFails;
}

const std::string& FakePlatform::storedFile(const std::string& name) {
    fileEvents.push_back("read " + name);
    auto found = files.find(path(name));
    if (found == files.end() || unreadable.count(path(name)))
        throw AppError(CannotOpenText(name));
    return found->second;
}

std::string FakePlatform::readFile(const std::string& name, std::size_t maxBytes) {
    return storedFile(name).substr(0, maxBytes);
}

void FakePlatform::readFileInPieces(const std::string& name, const std::function<void(std::string_view)>& take) {
    std::string_view bytes = storedFile(name);
    for (std::size_t at = 0; at < bytes.size(); at += pieceSize)
        take(bytes.substr(at, pieceSize));
}

void FakePlatform::replaceFile(const std::string& name, const std::string& bytes) {
    fileEvents.push_back("replace " + name);
    if (unwritable.count(path(name)))
        throw AppError(sjis("ﾌｧｲﾙ ") + name + sjis(" を作成できません"));
    files[path(name)] = bytes;
}

std::optional<PictureSize> FakePlatform::pictureSize(const std::string& name) {
    if (unreadable.count(path(name)))
        throw AppError(CannotOpenText(name));
    auto found = pictures.find(path(name));
    return found == pictures.end() ? std::nullopt : std::optional(found->second);
}

void FakePlatform::messageBox(const std::string& text) {
    messages.push_back(text);
    if (onMessage)
        onMessage(text);
}

std::optional<std::string> FakePlatform::chooseFile(const std::string& filter, const std::string& defaultExtension) {
    dialogFilters.push_back(filter);
    dialogExtensions.push_back(defaultExtension);
    if (dialogAnswers.empty())
        return std::nullopt;
    std::optional<std::string> answer = dialogAnswers.front();
    dialogAnswers.pop_front();
    if (answer)
        folder = answer->substr(0, answer->rfind('/') + 1);
    return answer;
}

void FakePlatform::processMessagesUntil(std::uint32_t deadline) {
    waits.push_back(deadline - tick);
    if (!duringWaits.empty()) {
        std::function<void()> input = std::move(duringWaits.front());
        duringWaits.pop_front();
        input();
    }
    // Input run inside the wait may have moved the clock past the deadline already.
    if (static_cast<std::int32_t>(deadline - tick) > 0)
        tick = waitSlice != 0 && deadline - tick > waitSlice ? tick + waitSlice : deadline;
}
