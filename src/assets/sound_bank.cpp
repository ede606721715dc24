// Opening the audio device, loading the effects and tracks, and playing them by index.
#include "assets/sound_bank.h"
#include "core/report.h"

#include "assets/asset_paths.h"
#include "assets/image_loader.h"
#include "platform/platform_features.h"

#include <initializer_list>
#include <string>

#include <cstdio>

namespace {

constexpr int mixFrequency = 44100;
constexpr int mixChannels = 2;
constexpr int mixChunkSize = 4096;
constexpr int effectChannels = 8;

// Whether a sound's file is there to load: in the page, one that has not arrived yet is not, and
// is loaded when it arrives.
bool soundFileHere(const char* path) {
    if constexpr (soundsArriveLate) {
        if (std::FILE* file = std::fopen(path, "rb")) {
            std::fclose(file);
            return true;
        }
        return false;
    }
    return true;
}

Mix_Chunk* loadEffect(const char* path) {
    if (!soundFileHere(path)) {
        return nullptr;
    }
    Mix_Chunk* chunk = Mix_LoadWAV_RW(SDL_RWFromFile(path, "rb"), 1);
    if (chunk == nullptr) {
        reportDataProblem("sound", path, Mix_GetError());
    }
    return chunk;
}

// A track's file as bytes; a missing or empty one is reported once, here.
std::vector<Uint8> readTrackFile(const char* path) {
    std::vector<Uint8> bytes;
    if (!soundFileHere(path)) {
        return bytes;
    }
    if (!readWholeFile(path, bytes)) {
        reportDataProblem("music", path, SDL_GetError());
    } else if (bytes.empty()) {
        reportDataProblem("music", path, "the file is empty or unreadable");
    }
    return bytes;
}

void freeEffect(Mix_Chunk*& chunk) {
    if (chunk != nullptr) {
        Mix_FreeChunk(chunk);
        chunk = nullptr;
    }
}

} // namespace

void SoundBank::loadSounds() {
    closeSounds();
    heard = Fnv64{};
    if (Mix_OpenAudio(mixFrequency, AUDIO_S16LSB, mixChannels, mixChunkSize) < 0) {
        // Without a sound device every load would fail for the same reason: say it once and
        // let the game run silently.
        warn("no sound: %s", Mix_GetError());
        return;
    }
    audioOpen = true;
    takeArrivedSounds();
    Mix_AllocateChannels(effectChannels);
}

void SoundBank::takeArrivedSounds() {
    if (!audioOpen) {
        return;
    }
    for (const SoundEntry& sound : soundTable) {
        const std::string path = assetPath::soundFile(sound);
        if (sound.kind == SoundKind::Effect) {
            if (effects[sound.index] == nullptr) {
                effects[sound.index] = loadEffect(path.c_str());
            }
        } else if (trackFiles[trackNumber(sound.index)].empty()) {
            trackFiles[trackNumber(sound.index)] = readTrackFile(path.c_str());
        }
    }
    // A track asked for before its file came starts now, as if it had been there.
    if (waitingTrack >= 0 && !trackFiles[waitingTrack].empty()) {
        const int32_t index = static_cast<int32_t>(MusicIntro) + waitingTrack;
        waitingTrack = -1;
        startTrack(index, requestFor(index));
    }
}

SoundRequest SoundBank::requestFor(int32_t index) const {
    SoundRequest request;
    if (index < 0 || index >= soundCount) {
        return request;
    }
    const SoundEntry& sound = soundTable[index];
    if (sound.kind == SoundKind::Effect) {
        request.chunk = effects[index];
        request.loops = sound.loops;
    } else {
        request.track = trackNumber(index);
        request.plays = sound.plays;
    }
    return request;
}

void SoundBank::playSound(int32_t index) {
    SoundRequest request = requestFor(index);
    // In the page an effect is told by its index, so one whose file has not arrived yet still
    // counts as asked for.
    const bool isEffect =
        index >= 0 && index < soundCount && soundTable[index].kind == SoundKind::Effect;
    if (request.chunk != nullptr || (effectsKnownByIndex && isEffect && audioOpen)) {
        // Effects are told apart by their length in bytes (in a web page, where the browser
        // keeps the sounds and hands out numbers for them, by their index).
        const int64_t identity =
            effectsKnownByIndex ? int64_t{index} : static_cast<int64_t>(request.chunk->alen);
        for (int64_t word : {int64_t{1}, identity, int64_t{request.loops}}) {
            heard.add(word);
        }
        if (!muted && request.chunk != nullptr) {
            Mix_PlayChannelTimed(-1, request.chunk, request.loops, -1);
        }
        return;
    }
    if (request.track < 0 || !audioOpen) {
        return;
    }
    for (int64_t word : {int64_t{2}, int64_t{request.track}, int64_t{request.plays}}) {
        heard.add(word);
    }
    if (muted) {
        return;
    }
    startTrack(index, request);
}

void SoundBank::startTrack(int32_t index, const SoundRequest& request) {
    waitingTrack = -1;
    if (request.track != musicTrack) {
        // The old track goes first, so that two synthesizers never live at once.
        unloadMusic();
        std::vector<Uint8>& bytes = trackFiles[request.track];
        if (bytes.empty()) {
            waitingTrack = request.track;
            return;
        }
        musicSource = SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size()));
        music = musicSource != nullptr ? Mix_LoadMUS_RW(musicSource) : nullptr;
        if (music == nullptr) {
            reportDataProblem("music", assetPath::soundFile(soundTable[index]).c_str(),
                              Mix_GetError());
            // Reported once: the track is not tried again.
            bytes.clear();
            unloadMusic();
            return;
        }
        musicTrack = request.track;
    }
    Mix_PlayMusic(music, request.plays);
}

void SoundBank::unloadMusic() {
    if (music != nullptr) {
        Mix_FreeMusic(music);
        music = nullptr;
    }
    if (musicSource != nullptr) {
        if constexpr (streamsFreedWithoutClose) {
            SDL_FreeRW(musicSource);
        } else {
            SDL_RWclose(musicSource);
        }
        musicSource = nullptr;
    }
    musicTrack = -1;
}

void SoundBank::stopMusic() {
    waitingTrack = -1;
    if (audioOpen) {
        heard.add(3);
        Mix_HaltMusic();
    }
}

void SoundBank::closeSounds() {
    if (!audioOpen) {
        return;
    }
    Mix_AllocateChannels(0);
    for (Mix_Chunk*& chunk : effects) {
        freeEffect(chunk);
    }
    Mix_HaltMusic();
    unloadMusic();
    waitingTrack = -1;
    for (std::vector<Uint8>& bytes : trackFiles) {
        std::vector<Uint8>().swap(bytes);
    }
    Mix_CloseAudio();
    audioOpen = false;
}
