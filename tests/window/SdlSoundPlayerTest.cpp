#include <SDL.h>
#include <chrono>
#include <cstdint>
#include <gtest/gtest.h>
#include <string>

#include "TempFolder.h"
#include "platform/AppError.h"
#include "platform/Cp932.h"
#include "platform/qt/SdlSoundPlayer.h"

namespace {

// A 16-bit mono wave file at 22050 Hz, silent, of the given length.
std::string wave(int milliseconds) {
    const std::uint32_t rate = 22050;
    const std::uint32_t dataBytes = rate * static_cast<std::uint32_t>(milliseconds) / 1000 * 2;
    std::string bytes;
    auto put = [&bytes](std::uint32_t value, int size) {
        for (int i = 0; i < size; ++i)
            bytes += static_cast<char>((value >> (8 * i)) & 0xFF);
    };
    bytes += "RIFF";
    put(36 + dataBytes, 4);
    bytes += "WAVEfmt ";
    put(16, 4);
    put(1, 2); // PCM
    put(1, 2); // mono
    put(rate, 4);
    put(rate * 2, 4);
    put(2, 2);
    put(16, 2);
    bytes += "data";
    put(dataBytes, 4);
    bytes.append(dataBytes, '\0');
    return bytes;
}

class SdlPlayer : public testing::Test {
protected:
    SdlPlayer() {
        folder.write("short.wav", wave(200));
        folder.write(sjis("音.wav"), wave(50)); // a Shift-JIS name on a disk of raw bytes
        folder.write("damaged.wav", "RIFF\x10\0\0\0WAVEfmt nonsense");
    }

    TempFolder folder;
    int waits = 0;
    SdlSoundPlayer player{[this] { ++waits; }};
};

TEST_F(SdlPlayer, OpensPlaysToTheEndAndCloses) {
    player.setFileName("short.wav");
    player.open();
    EXPECT_TRUE(player.isOpen());
    player.setWait();
    auto start = std::chrono::steady_clock::now();
    player.play();
    auto took = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
    std::cout << "synchronous play of 200 ms of sound took " << took.count() << " ms\n";
    EXPECT_EQ(waits, 1);
    player.setWait();
    player.play(); // from its beginning again
    EXPECT_EQ(waits, 2);
    player.close();
    EXPECT_FALSE(player.isOpen());
}

TEST_F(SdlPlayer, EveryOperationUsesUpTheWaitSetting) {
    player.setFileName("short.wav");
    player.setWait();
    player.open();
    player.play(); // in the background
    EXPECT_EQ(waits, 0);
    player.setWait();
    player.close();
    player.open();
    player.play();
    EXPECT_EQ(waits, 0);
    player.setWait();
    player.play();
    EXPECT_EQ(waits, 1);
}

TEST_F(SdlPlayer, OpenClosesWhatWasOpen) {
    player.setFileName("short.wav");
    player.open();
    player.play();
    player.setFileName(sjis("音.wav"));
    player.open();
    player.setWait();
    player.play();
    EXPECT_TRUE(player.isOpen());
}

TEST_F(SdlPlayer, DamagedOrMissingFilesFailWithTheSoundSystemsText) {
    for (const char* name : {"damaged.wav", "missing.wav"}) {
        SCOPED_TRACE(name);
        player.setFileName(name);
        try {
            player.open();
            FAIL() << "opened";
        } catch (const AppError& error) {
            EXPECT_EQ(std::string(error.what()), sjis(SDL_GetError()));
            EXPECT_NE(std::string(error.what()), "");
        }
        EXPECT_FALSE(player.isOpen());
    }
}

TEST_F(SdlPlayer, CloseAndPlayWithNothingOpenDoNothing) {
    player.close();
    player.close();
    player.setWait();
    player.play();
    EXPECT_EQ(waits, 0);
    player.setFileName("short.wav");
    player.open();
    player.close();
    player.close();
    EXPECT_FALSE(player.isOpen());
}

} // namespace
