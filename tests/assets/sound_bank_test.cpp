#include "assets/sound_bank.h"
#include "shell/game_state.h"
#include "support/game_fixture.h"

#include <SDL_mixer.h>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <unistd.h>
#include <vector>

namespace {

int busyChannels() {
    return Mix_Playing(-1);
}

// Reopens the sound bank on another SDL audio driver.
void reopenAudioWith(const char* driver) {
    soundBank.closeSounds();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    setenv("SDL_AUDIODRIVER", driver, 1);
    soundBank.loadSounds();
}

} // namespace

class SoundBankTest : public GameTest {};

TEST_F(SoundBankTest, IndexTableSendsEachNumberToItsSound) {
    ASSERT_TRUE(soundBank.isOpen());
    EXPECT_EQ(soundBank.requestFor(SfxCrunch).chunk, soundBank.crunchSound);
    EXPECT_EQ(soundBank.requestFor(SfxExplode).chunk, soundBank.explodeSound);
    EXPECT_EQ(soundBank.requestFor(SfxWuzzle).chunk, soundBank.wuzzleSound);
    // 3 and 4 do not follow the members' order: 3 is the bomb drop, 4 the punch.
    EXPECT_EQ(soundBank.requestFor(3).chunk, soundBank.dropBombSound);
    EXPECT_EQ(soundBank.requestFor(4).chunk, soundBank.punchSound);
    EXPECT_EQ(soundBank.requestFor(SfxPickUp).chunk, soundBank.pickUpSound);
    EXPECT_EQ(soundBank.requestFor(SfxButtonHover).chunk, soundBank.buttonHoverSound);
    EXPECT_EQ(soundBank.requestFor(SfxButtonPush).chunk, soundBank.buttonPushSound);
    EXPECT_EQ(soundBank.requestFor(SfxPageTurn).chunk, soundBank.pageTurnSound);
    EXPECT_EQ(soundBank.requestFor(SfxStretch).chunk, soundBank.stretchSound);
    EXPECT_EQ(soundBank.requestFor(SfxYouWin).chunk, soundBank.youWinSound);
    EXPECT_EQ(soundBank.requestFor(SfxWarp).chunk, soundBank.warpSound);
    EXPECT_EQ(soundBank.requestFor(MusicIntro).music, soundBank.introMusic);
    EXPECT_EQ(soundBank.requestFor(MusicLevel1).music, soundBank.level1Music);
    EXPECT_EQ(soundBank.requestFor(MusicLevel3).music, soundBank.level3Music);
    EXPECT_EQ(soundBank.requestFor(MusicLevel5).music, soundBank.level5Music);
    EXPECT_EQ(soundBank.requestFor(MusicGameOver).music, soundBank.gameOverMusic);
    for (int index = SfxCrunch; index <= MusicGameOver; ++index) {
        SoundRequest request = soundBank.requestFor(index);
        EXPECT_TRUE(request.chunk != nullptr || request.music != nullptr) << index;
    }
}

TEST_F(SoundBankTest, RepeatCountsPunchThriceTracksFivePlaysGameOverOnce) {
    for (int index = SfxCrunch; index <= SfxWarp; ++index) {
        EXPECT_EQ(soundBank.requestFor(index).loops, index == SfxPunch ? 2 : 0) << index;
    }
    for (int index = MusicIntro; index <= MusicLevel5; ++index) {
        EXPECT_EQ(soundBank.requestFor(index).plays, 5) << index;
    }
    EXPECT_EQ(soundBank.requestFor(MusicGameOver).plays, 1);
}

TEST_F(SoundBankTest, PlayingAnEffectUsesAFreeChannelWithThatEffect) {
    ASSERT_EQ(busyChannels(), 0);
    soundBank.playSound(3);
    ASSERT_EQ(busyChannels(), 1);
    bool found = false;
    for (int channel = 0; channel < 8; ++channel) {
        if (Mix_Playing(channel) && Mix_GetChunk(channel) == soundBank.dropBombSound) {
            found = true;
        }
    }
    EXPECT_TRUE(found);
    soundBank.playSound(MusicLevel1);
    EXPECT_EQ(Mix_PlayingMusic(), 1);
    soundBank.stopMusic();
    EXPECT_EQ(Mix_PlayingMusic(), 0);
    EXPECT_EQ(busyChannels(), 1) << "stopping the music leaves the effects alone";
}

TEST_F(SoundBankTest, IndicesOutsideTheTableDoNothing) {
    for (int index : {-1, 19, 100, -1000}) {
        SoundRequest request = soundBank.requestFor(index);
        EXPECT_EQ(request.chunk, nullptr);
        EXPECT_EQ(request.music, nullptr);
        soundBank.playSound(index);
    }
    EXPECT_EQ(busyChannels(), 0);
    EXPECT_EQ(Mix_PlayingMusic(), 0);
}

TEST_F(SoundBankTest, EightChannelsTheNinthEffectIsDropped) {
    for (int i = 0; i < 9; ++i) {
        soundBank.playSound(SfxExplode);
    }
    EXPECT_EQ(busyChannels(), 8);
}

TEST_F(SoundBankTest, WithoutASoundDeviceTheGameRunsSilently) {
    reopenAudioWith("no-such-driver");
    EXPECT_FALSE(soundBank.isOpen());
    EXPECT_EQ(soundBank.crunchSound, nullptr);
    soundBank.playSound(SfxCrunch);
    soundBank.playSound(MusicLevel2);
    soundBank.stopMusic();
    soundBank.closeSounds();
    reopenAudioWith("dummy");
    EXPECT_TRUE(soundBank.isOpen());
}

// Records what the mixer really plays through SDL's disk audio driver and checks that a music
// track with an effect over it makes a sound.
TEST_F(SoundBankTest, MusicAndEffectsReallyComeOut) {
    char capturePath[] = "/tmp/tamberlo-capture-XXXXXX";
    int descriptor = mkstemp(capturePath);
    ASSERT_GE(descriptor, 0);
    close(descriptor);
    setenv("SDL_DISKAUDIOFILE", capturePath, 1);
    setenv("SDL_DISKAUDIODELAY", "23", 1);
    reopenAudioWith("disk");
    ASSERT_TRUE(soundBank.isOpen());
    soundBank.playSound(MusicLevel1);
    SDL_Delay(1200);
    soundBank.playSound(SfxExplode);
    SDL_Delay(600);
    reopenAudioWith("dummy");
    unsetenv("SDL_DISKAUDIOFILE");

    std::ifstream capture(capturePath, std::ios::binary);
    std::vector<char> bytes((std::istreambuf_iterator<char>(capture)),
                            std::istreambuf_iterator<char>());
    std::remove(capturePath);
    ASSERT_GT(bytes.size(), 44100u * 4u / 2u) << "less than half a second was captured";
    const size_t samples = bytes.size() / 2;
    double sum = 0;
    for (size_t i = 0; i < samples; ++i) {
        int16_t sample = static_cast<int16_t>(static_cast<uint8_t>(bytes[2 * i]) |
                                              (static_cast<uint8_t>(bytes[2 * i + 1]) << 8));
        sum += static_cast<double>(sample) * sample;
    }
    const double rms = std::sqrt(sum / samples) / 32768.0;
    EXPECT_GT(rms, 0.005) << "the capture is silent";
}
