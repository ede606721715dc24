// What the bot did on each level: frames, lives lost, warps and bombs used, and the score.
#pragma once

#include <cstdint>
#include <cstdio>
#include <vector>

#include "maze/bomb_site.h"

namespace autopilot {

struct LevelRecord {
    int32_t level = 0;
    int32_t frames = 0;
    int32_t livesLost = 0;
    int32_t warpsUsed = 0;
    int32_t bombsUsed = 0;
    int32_t score = 0;
    bool cleared = false;
};

// Watches the game frame by frame and keeps one record per level played.
class LevelReport {
  public:
    // Call before and after every frame of play.
    void beforeFrame();
    void afterFrame();

    const std::vector<LevelRecord>& levels() const { return records; }
    int32_t totalFrames() const;

    // One line per level and a total line.
    void print(std::FILE* out) const;

  private:
    LevelRecord& current();

    std::vector<LevelRecord> records;
    int32_t levelBefore = 0;
    int32_t stateBefore = 0;
    int32_t warpsBefore = 0;
    std::vector<BombSite> sitesBefore;
};

} // namespace autopilot
