// The sound bank: channels and the one loaded track, bad indices, no device, and sound that
// really comes out.
#include "assets/sound_bank.h"
#include "support/game_fixture.h"

#include <SDL_mixer.h>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <unistd.h>
#include <vector>

namespace {

// Reopens the sound bank on another SDL audio driver.
void reopenAudioWith(const char* driver) {
    soundBank.closeSounds();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    setenv("SDL_AUDIODRIVER", driver, 1);
    soundBank.loadSounds();
}

} // namespace

class SoundBankTest : public GameTest {};

TEST_F(SoundBankTest, AnEffectTakesAFreeChannelOfEightAndTheMusicStopsAlone) {
    soundBank.playSound(MusicLevel1);
    EXPECT_EQ(Mix_PlayingMusic(), 1);
    // Only the track playing is loaded: each is a whole synthesizer.
    soundBank.playSound(MusicLevel2);
    EXPECT_EQ(Mix_PlayingMusic(), 1);
    EXPECT_EQ(soundBank.loadedTrack(), MusicLevel2 - MusicIntro);
    soundBank.playSound(3);
    EXPECT_EQ(Mix_Playing(-1), 1);
    EXPECT_EQ(channelsPlaying(soundBank.dropBombSound), 1);
    soundBank.stopMusic();
    EXPECT_EQ(Mix_PlayingMusic(), 0);
    EXPECT_EQ(Mix_Playing(-1), 1) << "stopping the music leaves the effects alone";
    for (int i = 0; i < 9; ++i) {
        soundBank.playSound(SfxExplode);
    }
    EXPECT_EQ(Mix_Playing(-1), 8) << "the ninth effect is dropped";
}

TEST_F(SoundBankTest, IndicesOutsideTheTableDoNothing) {
    for (int index : {-1, 19, 100, -1000}) {
        const SoundRequest request = soundBank.requestFor(index);
        EXPECT_EQ(request.chunk, nullptr);
        EXPECT_EQ(request.track, -1);
        soundBank.playSound(index);
    }
    EXPECT_EQ(Mix_Playing(-1), 0);
    EXPECT_EQ(Mix_PlayingMusic(), 0);
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
