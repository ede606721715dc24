// The scoring rules: what each deed pays or costs, and the score a level ends with. The rules,
// the tally and the controls page (drawn by assetgen) all take their numbers from here.
#pragma once

#include <cstdint>

// Eating a dot.
inline constexpr int32_t dotPoints = 10;
// Eating a frightened enemy.
inline constexpr int32_t eatenEnemyPoints = 50;
// Each enemy a blast flings.
inline constexpr int32_t blastedEnemyPoints = 15;
// The multi-kill reward for a blast that catches two or more enemies at once (applyBlasts says
// which of its frames pay): these points and these lives.
inline constexpr int32_t multiKillPoints = 250;
inline constexpr int32_t multiKillLives = 1;
// Taken from the score when a knocked-out player loses its life.
inline constexpr int32_t lifeLostPoints = 150;
// Taken at the tally for each whole second the level was played.
inline constexpr int32_t penaltyPerSecond = 5;

constexpr int32_t timePenalty(int32_t seconds) {
    return penaltyPerSecond * seconds;
}

// The score a level ends with: its score less the time penalty.
constexpr int32_t finalScore(int32_t score, int32_t seconds) {
    return score - timePenalty(seconds);
}

// The numbers by the names the screens' texts give them: "{dot}" in a text is dotPoints.
struct NamedPoints {
    const char* name;
    int32_t points;
};
inline constexpr NamedPoints scoringTable[] = {
    {"dot", dotPoints},
    {"eatenEnemy", eatenEnemyPoints},
    {"blastedEnemy", blastedEnemyPoints},
    {"multiKill", multiKillPoints},
    {"multiKillLives", multiKillLives},
    {"lifeLost", lifeLostPoints},
    {"penaltyPerSecond", penaltyPerSecond},
};
