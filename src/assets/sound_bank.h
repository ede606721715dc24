// The game's audio: twelve effects mixed over the music, and seven music tracks.
#pragma once

#include <SDL_mixer.h>
#include <cstdint>

enum SoundIndex : int32_t {
    SfxCrunch = 0,
    SfxExplode = 1,
    SfxWuzzle = 2,
    SfxDropBomb = 3,
    SfxPunch = 4,
    SfxPickUp = 5,
    SfxButtonHover = 6,
    SfxButtonPush = 7,
    SfxPageTurn = 8,
    SfxStretch = 9,
    SfxYouWin = 10,
    SfxWarp = 11,
    MusicIntro = 12,
    MusicLevel1 = 13,
    MusicLevel2 = 14,
    MusicLevel3 = 15,
    MusicLevel4 = 16,
    MusicLevel5 = 17,
    MusicGameOver = 18,
};

// What one sound index plays: an effect with the number of extra loops, or a track with the
// number of plays. Both pointers are null for an index that means nothing.
struct SoundRequest {
    Mix_Chunk* chunk = nullptr;
    int loops = 0;
    Mix_Music* music = nullptr;
    int plays = 0;
};

class SoundBank {
  public:
    void loadSounds();
    void playSound(int32_t index);
    void stopMusic();
    void closeSounds();

    SoundRequest requestFor(int32_t index) const;
    bool isOpen() const { return audioOpen; }

    Mix_Chunk* crunchSound = nullptr;
    Mix_Chunk* explodeSound = nullptr;
    Mix_Chunk* wuzzleSound = nullptr;
    Mix_Chunk* punchSound = nullptr;
    Mix_Chunk* dropBombSound = nullptr;
    Mix_Chunk* pickUpSound = nullptr;
    Mix_Chunk* buttonHoverSound = nullptr;
    Mix_Chunk* buttonPushSound = nullptr;
    Mix_Chunk* pageTurnSound = nullptr;
    Mix_Chunk* stretchSound = nullptr;
    Mix_Chunk* youWinSound = nullptr;
    Mix_Chunk* warpSound = nullptr;
    Mix_Music* introMusic = nullptr;
    Mix_Music* level1Music = nullptr;
    Mix_Music* level2Music = nullptr;
    Mix_Music* level3Music = nullptr;
    Mix_Music* level4Music = nullptr;
    Mix_Music* level5Music = nullptr;
    Mix_Music* gameOverMusic = nullptr;

  private:
    bool audioOpen = false;
};
