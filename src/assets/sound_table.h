// Every sound of the game in one table: its index, whether it is an effect or a music track, the
// name of its file and how often it repeats. The bank loads and plays from it and the asset
// generator writes each file under the name it gives.
#pragma once

#include <cstdint>
#include <iterator>
#include <string_view>

// What the game asks for and demos record: these numbers never change.
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

// An effect is mixed over the music on a channel of its own; a track is the one music playing.
enum class SoundKind : int32_t { Effect, Track };

struct SoundEntry {
    SoundIndex index;
    SoundKind kind;
    // The file's name without folder or suffix (asset_paths.h adds them); a track's notes are
    // written from audio/NAME.txt.
    const char* name;
    // An effect's loops after its first play.
    int loops;
    // How many times a track plays through before the music stops.
    int plays;
};

constexpr SoundEntry effectRow(SoundIndex index, const char* name, int loops = 0) {
    return {index, SoundKind::Effect, name, loops, 0};
}
constexpr SoundEntry trackRow(SoundIndex index, const char* name, int plays) {
    return {index, SoundKind::Track, name, 0, plays};
}

// The intro's and the levels' tracks play through five times before the music rests.
inline constexpr int musicPlays = 5;

// A constexpr array rather than an X-macro list: the enum's numbers are written out above
// because demos hold them, so nothing needs generating from the list, and a plain array is typed,
// walked by ordinary loops and checked below by the compiler. Row N is the sound of index N. A
// new sound takes the next index: its name in the enum, its row at the end here and its source
// in the asset generator (which refuses an effect without one).
inline constexpr SoundEntry soundTable[] = {
    effectRow(SfxCrunch, "crunch3"),
    effectRow(SfxExplode, "explode"),
    effectRow(SfxWuzzle, "wuzzle"),
    effectRow(SfxDropBomb, "drop_bomb"),
    // The punch lands three times: two loops after the first play.
    effectRow(SfxPunch, "punch", 2),
    effectRow(SfxPickUp, "pick_up"),
    effectRow(SfxButtonHover, "buttonhover"),
    effectRow(SfxButtonPush, "buttonpush"),
    effectRow(SfxPageTurn, "pageturn"),
    effectRow(SfxStretch, "stretch"),
    effectRow(SfxYouWin, "youwin"),
    effectRow(SfxWarp, "warp"),
    trackRow(MusicIntro, "music", musicPlays),
    trackRow(MusicLevel1, "level1", musicPlays),
    trackRow(MusicLevel2, "level2", musicPlays),
    trackRow(MusicLevel3, "level3", musicPlays),
    trackRow(MusicLevel4, "level4", musicPlays),
    trackRow(MusicLevel5, "level5", musicPlays),
    // Game over is heard once.
    trackRow(MusicGameOver, "gameover2", 1),
};

inline constexpr int32_t soundCount = static_cast<int32_t>(std::size(soundTable));

// A track's number among the tracks, in table order (0 for the intro's to 6 for game over's):
// the bank keeps the tracks' files by it and the heard hash counts it.
constexpr int32_t trackNumber(int32_t index) {
    int32_t number = 0;
    for (int32_t row = 0; row < index; ++row) {
        number += soundTable[row].kind == SoundKind::Track ? 1 : 0;
    }
    return number;
}

inline constexpr int32_t trackCount = trackNumber(soundCount);

namespace soundTableCheck {

constexpr bool rowsFollowTheIndices() {
    for (int32_t row = 0; row < soundCount; ++row) {
        if (soundTable[row].index != row) {
            return false;
        }
    }
    return true;
}

constexpr bool namesDiffer() {
    for (int32_t a = 0; a < soundCount; ++a) {
        for (int32_t b = a + 1; b < soundCount; ++b) {
            if (std::string_view(soundTable[a].name) == soundTable[b].name) {
                return false;
            }
        }
    }
    return true;
}

// An effect never has plays (it would be taken for a track) and a track is heard at least once
// (SDL_mixer plays music zero times for 0) and never loops as an effect does.
constexpr bool repeatsFitTheKind() {
    for (const SoundEntry& sound : soundTable) {
        const bool fits = sound.kind == SoundKind::Effect ? sound.loops >= 0 && sound.plays == 0
                                                          : sound.plays >= 1 && sound.loops == 0;
        if (!fits) {
            return false;
        }
    }
    return true;
}

// The sounds demos have heard: the twelve effects, then the seven tracks from the intro's to
// game over's (numbered 0 to 6 in the heard hash). A sound added later takes the next index.
constexpr bool kindsAsHeard() {
    for (int32_t index = SfxCrunch; index <= MusicGameOver; ++index) {
        const SoundKind heard = index < MusicIntro ? SoundKind::Effect : SoundKind::Track;
        if (soundTable[index].kind != heard) {
            return false;
        }
    }
    return true;
}

} // namespace soundTableCheck

static_assert(soundCount > MusicGameOver, "a row for each sound index");
static_assert(soundTableCheck::rowsFollowTheIndices(), "row N is the sound with index N");
static_assert(soundTableCheck::namesDiffer(), "no two sounds share a file");
static_assert(soundTableCheck::repeatsFitTheKind(), "loops for effects, plays for tracks");
static_assert(soundTableCheck::kindsAsHeard(), "effects and tracks as demos have heard them");
