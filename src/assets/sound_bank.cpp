// Opening the audio device, loading the effects and tracks, and playing them by index.
#include "assets/sound_bank.h"

#include "assets/image_loader.h"

#include <initializer_list>

#include <cstdio>

namespace {

constexpr int mixFrequency = 44100;
constexpr int mixChannels = 2;
constexpr int mixChunkSize = 4096;
constexpr int effectChannels = 8;
constexpr int musicPlays = 5;

Mix_Chunk* loadEffect(const char* path) {
    Mix_Chunk* chunk = Mix_LoadWAV_RW(SDL_RWFromFile(path, "rb"), 1);
    if (chunk == nullptr) {
        reportDataProblem("sound", path, Mix_GetError());
    }
    return chunk;
}

Mix_Music* loadTrack(const char* path) {
    Mix_Music* music = Mix_LoadMUS(path);
    if (music == nullptr) {
        reportDataProblem("music", path, Mix_GetError());
    }
    return music;
}

void freeEffect(Mix_Chunk*& chunk) {
    if (chunk != nullptr) {
        Mix_FreeChunk(chunk);
        chunk = nullptr;
    }
}

void freeTrack(Mix_Music*& music) {
    if (music != nullptr) {
        Mix_FreeMusic(music);
        music = nullptr;
    }
}

} // namespace

void SoundBank::loadSounds() {
    closeSounds();
    if (Mix_OpenAudio(mixFrequency, AUDIO_S16LSB, mixChannels, mixChunkSize) < 0) {
        // Without a sound device every load would fail for the same reason: say it once and
        // let the game run silently.
        std::fprintf(stderr, "tamberlo-adventure: no sound: %s\n", Mix_GetError());
        return;
    }
    audioOpen = true;
    wuzzleSound = loadEffect("sounds/sfx/wuzzle.wav");
    explodeSound = loadEffect("sounds/sfx/explode.wav");
    crunchSound = loadEffect("sounds/sfx/crunch3.wav");
    dropBombSound = loadEffect("sounds/sfx/drop_bomb.wav");
    pickUpSound = loadEffect("sounds/sfx/pick_up.wav");
    punchSound = loadEffect("sounds/sfx/punch.wav");
    buttonHoverSound = loadEffect("sounds/sfx/buttonhover.wav");
    buttonPushSound = loadEffect("sounds/sfx/buttonpush.wav");
    stretchSound = loadEffect("sounds/sfx/stretch.wav");
    pageTurnSound = loadEffect("sounds/sfx/pageturn.wav");
    youWinSound = loadEffect("sounds/sfx/youwin.wav");
    warpSound = loadEffect("sounds/sfx/warp.wav");
    introMusic = loadTrack("sounds/music/music.mid");
    level1Music = loadTrack("sounds/music/level1.mid");
    level2Music = loadTrack("sounds/music/level2.mid");
    level3Music = loadTrack("sounds/music/level3.mid");
    level4Music = loadTrack("sounds/music/level4.mid");
    level5Music = loadTrack("sounds/music/level5.mid");
    gameOverMusic = loadTrack("sounds/music/gameover2.mid");
    Mix_AllocateChannels(effectChannels);
}

SoundRequest SoundBank::requestFor(int32_t index) const {
    Mix_Chunk* const effects[] = {crunchSound,   explodeSound, wuzzleSound,      dropBombSound,
                                  punchSound,    pickUpSound,  buttonHoverSound, buttonPushSound,
                                  pageTurnSound, stretchSound, youWinSound,      warpSound};
    Mix_Music* const tracks[] = {introMusic,  level1Music, level2Music,  level3Music,
                                 level4Music, level5Music, gameOverMusic};
    SoundRequest request;
    if (index >= SfxCrunch && index <= SfxWarp) {
        request.chunk = effects[index];
        // The punch lands three times: two loops after the first play.
        request.loops = index == SfxPunch ? 2 : 0;
    } else if (index >= MusicIntro && index <= MusicGameOver) {
        request.music = tracks[index - MusicIntro];
        request.plays = index == MusicGameOver ? 1 : musicPlays;
    }
    return request;
}

void SoundBank::playSound(int32_t index) {
    SoundRequest request = requestFor(index);
    if (request.chunk != nullptr) {
        Mix_PlayChannelTimed(-1, request.chunk, request.loops, -1);
    } else if (request.music != nullptr) {
        Mix_PlayMusic(request.music, request.plays);
    }
}

void SoundBank::stopMusic() {
    if (audioOpen) {
        Mix_HaltMusic();
    }
}

void SoundBank::closeSounds() {
    if (!audioOpen) {
        return;
    }
    Mix_AllocateChannels(0);
    for (Mix_Chunk** chunk : {&wuzzleSound, &explodeSound, &crunchSound, &dropBombSound,
                              &pickUpSound, &punchSound, &buttonHoverSound, &buttonPushSound,
                              &stretchSound, &pageTurnSound, &youWinSound, &warpSound}) {
        freeEffect(*chunk);
    }
    Mix_HaltMusic();
    for (Mix_Music** music : {&introMusic, &level1Music, &level2Music, &level3Music, &level4Music,
                              &level5Music, &gameOverMusic}) {
        freeTrack(*music);
    }
    Mix_CloseAudio();
    audioOpen = false;
}
