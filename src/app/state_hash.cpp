// The game state hash and the level files hash.
#include "app/state_hash.h"

#include "actors/actor.h"
#include "assets/front_end.h"
#include "core/fnv_hash.h"
#include "core/game_state.h"
#include "maze/bomb_site.h"
#include "maze/maze_grid.h"

#include <cstdio>
#include <fstream>
#include <initializer_list>
#include <iterator>

namespace {

void addActor(Fnv64& hash, const Actor& actor) {
    for (int64_t field : std::initializer_list<int64_t>{
             actor.x, actor.y, actor.direction, actor.state, actor.restoreState, actor.stateTimer,
             actor.stateTimerActive, actor.animFrame, actor.lastFrameTick, actor.homeX, actor.homeY,
             actor.phaseCounter, actor.framePeriod, actor.blinkPhase, actor.kind, actor.lives,
             actor.warps, actor.score, actor.bombs}) {
        hash.add(field);
    }
}

} // namespace

uint64_t gameStateHash() {
    Fnv64 hash;
    for (int32_t cell : mazeGrid.cells) {
        hash.add(cell);
    }
    for (const Actor* actor : {&player, &redEnemy, &purpleEnemy, &blueEnemy, &yellowEnemy}) {
        addActor(hash, *actor);
    }
    hash.add(static_cast<int64_t>(bombSites.size()));
    for (const BombSite& site : bombSites) {
        for (int64_t field : std::initializer_list<int64_t>{site.x, site.y, site.originX,
                                                            site.originY, site.state}) {
            hash.add(field);
        }
    }
    // The register's hashed counters in their order, then the bonus banner.
#define TAMBERLO_HASHED_VALUE(type, name, start) name,
#define TAMBERLO_LEFT_OUT(type, name, start)
    for (int64_t counter : std::initializer_list<int64_t>{
             TAMBERLO_SCALAR_GLOBALS(TAMBERLO_HASHED_VALUE, TAMBERLO_LEFT_OUT) frontEnd.bannerKind,
             frontEnd.bannerActive, frontEnd.bannerFramesLeft}) {
        hash.add(counter);
    }
#undef TAMBERLO_HASHED_VALUE
#undef TAMBERLO_LEFT_OUT
    return hash.value;
}

uint64_t levelFilesHash() {
    Fnv64 hash;
    for (int32_t level = 1; level <= levelSet.count; ++level) {
        std::ifstream file(levelFileName(level), std::ios::binary);
        const std::string bytes =
            file ? std::string(std::istreambuf_iterator<char>(file), {}) : std::string();
        // The length first, and -1 for a missing file, so no two sets of files run together.
        hash.add(file ? static_cast<int64_t>(bytes.size()) : int64_t{-1});
        hash.add(bytes.data(), bytes.size());
    }
    return hash.value;
}

std::string stateSummary(const char* label, uint32_t frames) {
    char line[160];
    std::snprintf(line, sizeof line, "%s: frames=%u level=%d score=%d lives=%d state=%s", label,
                  frames, levelNumber, player.score, player.lives,
                  hexHash(gameStateHash()).c_str());
    return line;
}
