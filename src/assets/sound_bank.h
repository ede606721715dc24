// The game's audio: the sound table's effects, mixed over the music, and its music tracks.
#pragma once

#include "assets/sound_table.h"
#include "core/fnv_hash.h"

#include <SDL_mixer.h>
#include <array>
#include <cstdint>
#include <vector>

// What one sound index plays: an effect with the number of extra loops, or a track (0 for the
// intro's to 6 for game over's) with the number of plays. An index that means nothing gives
// neither.
struct SoundRequest {
    Mix_Chunk* chunk = nullptr;
    int loops = 0;
    int32_t track = -1;
    int plays = 0;
};

// The effects are loaded once. A track is a whole synthesizer with its own copy of the
// soundfont (about 9 MiB each), so the tracks are kept as their files' bytes and only the one
// playing is turned into music, when it is asked for.
class SoundBank {
  public:
    void loadSounds();
    // Loads the sounds whose files were missing and are there now, and starts the track last
    // asked for if it was one of them (in the page, effects and level tracks arrive after the
    // first picture).
    void takeArrivedSounds();
    void playSound(int32_t index);
    void stopMusic();
    void closeSounds();

    SoundRequest requestFor(int32_t index) const;
    bool isOpen() const { return audioOpen; }
    // The track that is loaded (the one playing or last played), or -1.
    int32_t loadedTrack() const { return musicTrack; }
    // A hash of every effect and track the game has asked to start (with how often it repeats)
    // and every stop of the music since the sounds were loaded: what a player hears, in order,
    // whether or not the mixer had a free channel at that moment.
    uint64_t heardHash() const { return heard.value; }
    // Silenced, the game still asks for its sounds and they are counted in heardHash, but none
    // is started: a replay without a window has nobody to hear it and no time to lose on it.
    void mute(bool silenced) { muted = silenced; }

    // The effect loaded for a sound index; null for a track, an index that means nothing or an
    // effect that could not be loaded.
    Mix_Chunk* effect(int32_t index) const {
        return index >= 0 && index < soundCount ? effects[index] : nullptr;
    }
    // Each track's file as read at start, in track order; empty when it could not be read.
    std::array<std::vector<Uint8>, trackCount> trackFiles;

  private:
    void unloadMusic();
    void startTrack(int32_t index, const SoundRequest& request);

    // By sound index; a track's place stays empty.
    std::array<Mix_Chunk*, soundCount> effects{};
    bool audioOpen = false;
    bool muted = false;
    Fnv64 heard;
    Mix_Music* music = nullptr;
    SDL_RWops* musicSource = nullptr;
    int32_t musicTrack = -1;
    // The track asked for while its file was missing, or -1: it starts when the file arrives.
    int32_t waitingTrack = -1;
};
