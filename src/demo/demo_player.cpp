// The replaying seam. Each read takes the next token of the demo and checks that it is of the
// kind the game asks for; a run of identical reads is taken one read at a time.
#include "demo/demo_player.h"

#include "core/fnv_hash.h"

#include "core/game_random.h"
#include "platform/gamepad.h"
#include "platform/key_numbers.h"
#include "platform/pacing.h"
#include "platform/platform.h"
#include "platform/platform_features.h"

#include <cstddef>
#include <cstring>
#include <fstream>
#include <iterator>

namespace {

bool hashingPictures = false;
Platform underlying = sdlPlatform();
uint64_t pictureHash = Fnv64::offsetBasis;

Demo demo;
size_t next = 0;
uint32_t repeatsTaken = 0;
uint32_t presentsDone = 0;
Uint32 replayClock = 0;
bool paced = false;
bool pacingStarted = false;
Uint32 firstClock = 0;
Uint32 realStart = 0;
Uint8 heldKeys[SDLK_LAST];
const Platform sdl = sdlPlatform();

const char* describe(DemoTag tag) {
    switch (tag) {
    case DemoTag::Clock:
        return "a clock reading";
    case DemoTag::Keys:
        return "the held keys";
    case DemoTag::Pointer:
        return "the pointer";
    case DemoTag::Present:
        return "a present";
    default:
        return "an event";
    }
}

[[noreturn]] void diverge(const char* asked) {
    const std::string where = " in frame " + std::to_string(presentsDone + 1);
    if (next == demo.reads.size()) {
        throw DemoDivergence("the demo ran out: the game asked for " + std::string(asked) + where +
                             " after the demo's last read");
    }
    throw DemoDivergence("the game left the demo: it asked for " + std::string(asked) + where +
                         " where the demo holds " + describe(demo.reads[next].tag));
}

// The next read, which must be one the caller accepts; it is used up.
template <typename Accepts> const DemoRead& take(const char* asked, Accepts accepts) {
    if (next == demo.reads.size() || !accepts(demo.reads[next].tag)) {
        diverge(asked);
    }
    const DemoRead& read = demo.reads[next];
    if (++repeatsTaken == read.repeat) {
        repeatsTaken = 0;
        ++next;
    }
    return read;
}

const DemoRead& take(DemoTag tag) {
    return take(describe(tag), [tag](DemoTag found) { return found == tag; });
}

// Sleeps until the real clock has caught up with the recorded one.
void keepRecordedPace(Uint32 recorded) {
    if (!pacingStarted) {
        pacingStarted = true;
        firstClock = recorded;
        realStart = sdl.getTicks();
    }
    const auto ahead = static_cast<int32_t>((recorded - firstClock) - (sdl.getTicks() - realStart));
    if (ahead > 0) {
        sdl.delay(static_cast<Uint32>(ahead));
    }
}

Uint32 replayTicks() {
    replayClock += static_cast<Uint32>(take(DemoTag::Clock).values[0]);
    if (paced) {
        keepRecordedPace(replayClock);
    }
    return replayClock;
}

int replayPollEvent(SDL_Event* event) {
    const DemoRead& read = take("an event", isEventTag);
    if (read.tag == DemoTag::NoEvent) {
        return 0;
    }
    if ((event == nullptr) != (read.tag == DemoTag::EventWaiting)) {
        diverge(event == nullptr ? "a peek at the events" : "an event");
    }
    if (event != nullptr) {
        *event = eventFromRead(read);
    }
    return 1;
}

Uint8* replayKeyState(int* count) {
    const DemoRead& read = take(DemoTag::Keys);
    std::memset(heldKeys, 0, sizeof heldKeys);
    for (int64_t i = 0; i < read.values[1]; ++i) {
        heldKeys[platformKeyOf(demo.heldKeys[static_cast<size_t>(read.values[0] + i)])] = 1;
    }
    if (count != nullptr) {
        *count = SDLK_LAST;
    }
    return heldKeys;
}

Uint8 replayMouseState(int* x, int* y) {
    const DemoRead& read = take(DemoTag::Pointer);
    if (x != nullptr) {
        *x = static_cast<int>(read.values[0]);
    }
    if (y != nullptr) {
        *y = static_cast<int>(read.values[1]);
    }
    return static_cast<Uint8>(read.values[2]);
}

void replayDelay(Uint32) {}

// Folds the whole window into the running picture hash, eight bytes at a time: cheap enough to
// run on every present of a long replay, and any changed pixel changes it.
void hashPicture(SDL_Surface* surface) {
    if (surface == nullptr || SDL_LockSurface(surface) != 0) {
        return;
    }
    const auto* rows = static_cast<const unsigned char*>(surface->pixels);
    const size_t rowBytes = static_cast<size_t>(surface->w) * surface->format->BytesPerPixel;
    for (int y = 0; y < surface->h; ++y) {
        const unsigned char* row = rows + static_cast<size_t>(y) * surface->pitch;
        size_t i = 0;
        for (; i + sizeof(uint64_t) <= rowBytes; i += sizeof(uint64_t)) {
            uint64_t word = 0;
            std::memcpy(&word, row + i, sizeof word);
            if constexpr (screenHoldsRgba) {
                // The page's screen holds red, green, blue and alpha bytes; the desktop's blue,
                // green, red and a zero byte. The hash reads the desktop's order, so equal
                // pictures hash equal.
                word = (word & 0x0000FF000000FF00ull) | (word & 0x000000FF000000FFull) << 16 |
                       (word >> 16 & 0x000000FF000000FFull);
            }
            pictureHash = (pictureHash ^ word) * Fnv64::prime;
            pictureHash ^= pictureHash >> 29;
        }
        for (; i < rowBytes; ++i) {
            pictureHash = (pictureHash ^ row[i]) * Fnv64::prime;
        }
    }
    SDL_UnlockSurface(surface);
}

void replayUpdateRects(SDL_Surface* surface, int count, SDL_Rect* rects) {
    if (hashingPictures) {
        hashPicture(surface);
    }
    // A partial present is no read of the demo: it goes to whatever presented before the
    // replay began, as it did when the game was recorded.
    underlying.updateRects(surface, count, rects);
}

int replayFlip(SDL_Surface* surface) {
    take(DemoTag::Present);
    ++presentsDone;
    if (hashingPictures) {
        hashPicture(surface);
    }
    if (paced) {
        // The window is shown, not played: its events are taken and dropped.
        SDL_PumpEvents();
    }
    return underlying.flip(surface);
}

} // namespace

DemoParse loadDemo(const std::string& path, uint64_t levelHash) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return DemoParse{std::nullopt, "cannot read the demo"};
    }
    const std::string bytes(std::istreambuf_iterator<char>(file), {});
    DemoParse parsed = parseDemo(bytes);
    if (parsed.demo && parsed.demo->levelHash != levelHash) {
        // A demo plays only on the mazes it was played on: the game's own, or those of the same
        // --levels folder.
        return DemoParse{std::nullopt, "the demo was recorded on other levels than those played "
                                       "here (the game's own, or those of --levels)"};
    }
    return parsed;
}

void startReplay(Demo played, bool realtime, bool hashPictures) {
    hashingPictures = hashPictures;
    underlying = platform;
    pictureHash = Fnv64::offsetBasis;
    demo = std::move(played);
    next = 0;
    repeatsTaken = 0;
    presentsDone = 0;
    replayClock = 0;
    paced = realtime;
    pacingStarted = false;
    seedGameRandom(demo.seed);
    resetScreenPacing();
    resetPadState();
    platform.getTicks = &replayTicks;
    platform.pollEvent = &replayPollEvent;
    platform.getKeyState = &replayKeyState;
    platform.getMouseState = &replayMouseState;
    platform.delay = &replayDelay;
    platform.flip = &replayFlip;
    platform.updateRects = &replayUpdateRects;
}

uint64_t replayedPicturesHash() {
    return pictureHash;
}

uint32_t replayedFrames() {
    return presentsDone;
}

void finishReplay() {
    const bool usedUp = next == demo.reads.size();
    const int depth = platform.videoDepth;
    platform = sdl;
    platform.videoDepth = depth;
    if (!usedUp) {
        throw DemoDivergence("the game ended after " + std::to_string(presentsDone) +
                             " frames but the demo goes on (it holds " +
                             std::to_string(demo.presents) + " frames)");
    }
}
