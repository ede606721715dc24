// FNV-1a over the values that make up the state of play.
#include "state_hash.h"

#include "shell/game_state.h"

namespace autopilot {

namespace {

constexpr uint64_t fnvOffset = 14695981039346656037ull;
constexpr uint64_t fnvPrime = 1099511628211ull;

void mix(uint64_t& hash, int64_t value) {
    for (int byte = 0; byte < 8; ++byte) {
        hash ^= static_cast<uint64_t>(value >> (8 * byte)) & 0xff;
        hash *= fnvPrime;
    }
}

void mixActor(uint64_t& hash, const Actor& actor) {
    for (int64_t value : {actor.x, actor.y, actor.direction, actor.state, actor.stateTimer,
                          actor.score, actor.lives, actor.warps, actor.bombs}) {
        mix(hash, value);
    }
}

} // namespace

uint64_t playStateHash() {
    uint64_t hash = fnvOffset;
    for (int64_t value : {levelNumber, ediblesLeft, levelSeconds, quitRequested}) {
        mix(hash, value);
    }
    mixActor(hash, player);
    for (const Actor* enemy : enemies) {
        mixActor(hash, *enemy);
    }
    for (int32_t code : mazeGrid.cells) {
        mix(hash, code);
    }
    return hash;
}

} // namespace autopilot
