#include <SDL.h>
#include <cstdlib>
#include <gmock/gmock.h>
#include <sys/stat.h>

#include "TempFolder.h"
#include "platform/AppError.h"
#include "platform/sdl/SdlSoundPlayer.h"
#include "text/Cp932.h"

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
    // A FIFO is not waited for; a wave of one byte a second, played at the device's rate, would take
    // memory far beyond its size.
    ASSERT_EQ(::mkfifo("fifo.wav", 0600), 0);
    player.setFileName("fifo.wav");
    EXPECT_THAT([&] { player.open(); }, testing::ThrowsMessage<AppError>(sjis("ﾌｧｲﾙ fifo.wav は開けません")));
    const char header[] = "RIFF\x7d\x02\0\0WAVEfmt \x10\0\0\0\1\0\1\0\1\0\0\0\1\0\0\0\1\0\x08\0data\x59\x02\0\0";
    folder.write("slow.wav", std::string(header, sizeof header - 1) + std::string(601, '\x80'));
    player.setFileName("slow.wav");
    EXPECT_THAT([&] { player.open(); },
                testing::ThrowsMessage<AppError>(sjis("ﾌｧｲﾙ slow.wav は長すぎます（10分まで）")));
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
