// The sound bank: channels and the one loaded track, bad indices, and no device (the end-to-end
// play check listens to what really comes out).
#include "assets/sound_bank.h"
#include "support/game_fixture.h"

#include <SDL_mixer.h>

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
    EXPECT_EQ(channelsPlaying(soundBank.effect(SfxDropBomb)), 1);
    soundBank.stopMusic();
    EXPECT_EQ(Mix_PlayingMusic(), 0);
    EXPECT_EQ(Mix_Playing(-1), 1) << "stopping the music leaves the effects alone";
    for (int i = 0; i < 9; ++i) {
        soundBank.playSound(SfxExplode);
    }
    EXPECT_EQ(Mix_Playing(-1), 8) << "the ninth effect is dropped";
}

// A track asked for before its file arrived starts when it arrives, unless the music was stopped
// or another track asked for meanwhile.
TEST_F(SoundBankTest, ATrackThatArrivesLateStartsThen) {
    const int32_t track = MusicLevel3 - MusicIntro;
    soundBank.trackFiles[track].clear();
    soundBank.playSound(MusicLevel3);
    EXPECT_EQ(Mix_PlayingMusic(), 0);
    soundBank.takeArrivedSounds();
    EXPECT_EQ(Mix_PlayingMusic(), 1);
    EXPECT_EQ(soundBank.loadedTrack(), track);

    for (bool stopped : {true, false}) {
        soundBank.trackFiles[MusicLevel4 - MusicIntro].clear();
        soundBank.playSound(MusicLevel4);
        if (stopped) {
            soundBank.stopMusic();
        } else {
            soundBank.playSound(MusicLevel2);
        }
        soundBank.takeArrivedSounds();
        EXPECT_EQ(Mix_PlayingMusic(), stopped ? 0 : 1);
        EXPECT_EQ(soundBank.loadedTrack(), stopped ? -1 : MusicLevel2 - MusicIntro);
    }
}

TEST_F(SoundBankTest, IndicesOutsideTheTableDoNothing) {
    for (int index : {-1, 19, 100, -1000}) {
        const SoundRequest request = soundBank.requestFor(index);
        EXPECT_EQ(request.chunk, nullptr);
        EXPECT_EQ(request.track, -1);
        EXPECT_EQ(soundBank.effect(index), nullptr) << index;
        soundBank.playSound(index);
    }
    EXPECT_EQ(Mix_Playing(-1), 0);
    EXPECT_EQ(Mix_PlayingMusic(), 0);
}

TEST_F(SoundBankTest, WithoutASoundDeviceTheGameRunsSilently) {
    reopenAudioWith("no-such-driver");
    EXPECT_FALSE(soundBank.isOpen());
    EXPECT_EQ(soundBank.effect(SfxCrunch), nullptr);
    soundBank.playSound(SfxCrunch);
    soundBank.playSound(MusicLevel2);
    soundBank.stopMusic();
    soundBank.closeSounds();
    reopenAudioWith("dummy");
    EXPECT_TRUE(soundBank.isOpen());
}
