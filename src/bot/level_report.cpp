// Per-level counters, read off the game state around each frame.
#include "bot/level_report.h"

#include "actors/actor.h"
#include "core/game_state.h"
#include "maze/bomb_site.h"

namespace autopilot {

LevelRecord& LevelReport::current() {
    if (records.empty() || records.back().level != levelNumber) {
        records.push_back(LevelRecord{});
        records.back().level = levelNumber;
    }
    return records.back();
}

void LevelReport::beforeFrame() {
    levelBefore = levelNumber;
    stateBefore = player.state;
    warpsBefore = player.warps;
    sitesBefore = bombSites;
}

void LevelReport::afterFrame() {
    if (levelNumber != levelBefore) {
        // The frame opened a new level after the tally: nothing of the old one happened in it.
        stateBefore = player.state;
        warpsBefore = player.warps;
        sitesBefore = bombSites;
    }
    LevelRecord& record = current();
    ++record.frames;
    // A knock-out (an enemy, a blast or the give-up key) always ends in a lost life.
    if (stateBefore != Punched && player.state == Punched) {
        ++record.livesLost;
    }
    if (player.warps < warpsBefore) {
        record.warpsUsed += warpsBefore - player.warps;
    }
    if (sitesBefore.size() == bombSites.size()) {
        for (size_t i = 0; i < bombSites.size(); ++i) {
            record.bombsUsed += sitesBefore[i].state == Carried && bombSites[i].state == Armed;
        }
    }
    record.score = player.score;
    record.cleared = ediblesLeft == 0;
}

int32_t LevelReport::totalFrames() const {
    int32_t frames = 0;
    for (const LevelRecord& record : records) {
        frames += record.frames;
    }
    return frames;
}

void LevelReport::print(std::FILE* out) const {
    LevelRecord total;
    for (const LevelRecord& r : records) {
        std::fprintf(out,
                     "level %d: %s in %d frames, lives lost %d, warps %d, bombs %d, score %d\n",
                     r.level, r.cleared ? "cleared" : "not cleared", r.frames, r.livesLost,
                     r.warpsUsed, r.bombsUsed, r.score);
        total.frames += r.frames;
        total.livesLost += r.livesLost;
        total.warpsUsed += r.warpsUsed;
        total.bombsUsed += r.bombsUsed;
        total.score += r.score;
    }
    std::fprintf(out, "total: %d frames, lives lost %d, warps %d, bombs %d, score %d\n",
                 total.frames, total.livesLost, total.warpsUsed, total.bombsUsed, total.score);
}

} // namespace autopilot
