#include <SDL.h>
#include <cstdlib>
#include <gmock/gmock.h>

#include "TempFolder.h"
#include "platform/AppError.h"
#include "platform/Cp932.h"
#include "platform/qt/SdlSoundPlayer.h"

namespace {

// A damaged file fails with the sound system's own text. Only a play right after setWait waits for the
// end, and on a device that takes no more data only for the sound's length and a margin; every other
// operation uses the setting up.
TEST(SdlPlayer, WaitsOnlyWhenToldAndNotForeverForAStuckDevice) {
    TempFolder folder;
    int waits = 0;
    SdlSoundPlayer player{[&] { ++waits; }};
    folder.write("damaged.wav", "RIFF nonsense WAVEfmt ");
    player.setFileName("damaged.wav");
    auto isSdlError = [](const std::string& text) { return !text.empty() && text == sjis(SDL_GetError()); };
    EXPECT_THAT([&] { player.open(); }, testing::ThrowsMessage<AppError>(testing::Truly(isSdlError)));
    EXPECT_FALSE(player.isOpen());
    player.setFileName(QM7_ASSETS_DIR "/buzz.wav");
    player.setWait();
    player.open();
    EXPECT_TRUE(player.isOpen());
    player.play();
    EXPECT_EQ(waits, 0);
    SDL_LockAudioDevice(player.device());
    player.setWait();
    player.play();
    SDL_UnlockAudioDevice(player.device());
    EXPECT_EQ(waits, 1);
    player.close();
    player.close();
    EXPECT_FALSE(player.isOpen());
    player.setWait();
    player.play(); // nothing to wait for
    EXPECT_EQ(waits, 1);
}

// A driver that cannot open is a missing sound device, which the drill passes over, not a damaged file.
TEST(SdlPlayer, ADriverThatCannotOpenIsAMissingDevice) {
    setenv("SDL_AUDIODRIVER", "none-such", 1);
    SdlSoundPlayer player;
    player.setFileName(QM7_ASSETS_DIR "/buzz.wav");
    EXPECT_THROW(player.open(), SoundDeviceError);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
}

} // namespace
