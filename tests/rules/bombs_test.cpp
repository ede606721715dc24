// Bombs' edge cases: the overlap test's boundaries, the space key's first qualifying record,
// the multi-kill reward's timing and a player caught in a blast.
#include "rules/bombs.h"
#include "support/game_fixture.h"

#include <string>

namespace {

class BombsTest : public GameTest {
  protected:
    void SetUp() override {
        GameTest::SetUp();
        place(player, 700, 500);
        for (Actor* enemy : enemies) {
            place(*enemy, 700, 300);
        }
    }
};

// The player reaches a tile up to 32 pixels away, an enemy from a tenth further out. Near
// coordinate 0 the truncation toward zero lets a distance of 36 count.
TEST_F(BombsTest, OverlapBoundariesForThePlayerAndForEnemies) {
    struct Case {
        Actor* actor;
        int32_t x, y, tileX, tileY;
        bool overlaps;
    };
    const Case cases[] = {{&player, 100, 64, 128, 96, true},  {&player, 100, 64, 128, 100, false},
                          {&player, 100, 64, 68, 32, true},   {&player, 100, 64, 67, 32, false},
                          {&redEnemy, 64, 64, 96, 96, true},  {&redEnemy, 64, 64, 99, 99, true},
                          {&redEnemy, 64, 64, 29, 29, true},  {&redEnemy, 64, 64, 100, 64, false},
                          {&redEnemy, 64, 64, 64, 28, false}, {&redEnemy, 0, 64, 36, 64, true},
                          {&redEnemy, 0, 64, 37, 64, false},  {&redEnemy, 1, 64, 37, 64, true},
                          {&redEnemy, 2, 64, 38, 64, false},  {&redEnemy, 64, 0, 64, 36, true},
                          {&redEnemy, 37, 64, 1, 64, true},   {&redEnemy, 36, 64, 0, 64, true},
                          {&redEnemy, 37, 64, 0, 64, false}};
    for (const Case& c : cases) {
        place(*c.actor, c.x, c.y);
        EXPECT_EQ(overlapsTile(*c.actor, c.tileX, c.tileY), c.overlaps)
            << c.actor->kind << " at " << c.x << "," << c.y << " tile " << c.tileX << ","
            << c.tileY;
    }
}

TEST_F(BombsTest, MultiKillsPayOnTheFirstOfEveryThreeFrames) {
    bombSites = {BombSite{200, 200, 200, 200, Exploding}};
    place(redEnemy, 200, 200);
    place(blueEnemy, 230, 180);
    place(yellowEnemy, 170, 232);
    const int32_t rewards[] = {3 * 15 + 250, 45, 45, 45 + 250};
    const int32_t counters[] = {1, 2, 0, 1};
    for (int frame = 0; frame < 4; ++frame) {
        const int32_t score = player.score;
        const int32_t lives = player.lives;
        frontEnd.bannerActive = false;
        applyBlasts();
        updateBombs();
        EXPECT_EQ(player.score - score, rewards[frame]) << frame;
        EXPECT_EQ(player.lives - lives, frame == 0 || frame == 3 ? 1 : 0) << frame;
        EXPECT_EQ(frontEnd.bannerActive, frame == 0 || frame == 3) << frame;
        EXPECT_EQ(multiKillCounter, counters[frame]) << frame;
    }
    EXPECT_EQ(bombSites[0].state, Spent);
    EXPECT_EQ(purpleEnemy.state, Penned) << "outside the blast";
}

TEST_F(BombsTest, APlayerInsideABlastIsKnockedOut) {
    bombSites = {BombSite{64, 64, 64, 64, Exploding}, BombSite{400, 64, 400, 64, Exploding}};
    place(player, 96, 96);
    place(redEnemy, 400, 64);
    applyBlasts();
    EXPECT_EQ(player.state, Punched);
    EXPECT_EQ(channelsPlaying(soundBank.effect(SfxWuzzle)), 1);
    EXPECT_EQ(redEnemy.state, Flung) << "later bombs are still visited";
}

TEST_F(BombsTest, SpaceActsOnTheFirstQualifyingRecordOnly) {
    place(player, 300, 300);
    bombSites = {BombSite{32, 32, 32, 32, Carried}, BombSite{64, 64, 64, 64, Armed}};
    player.bombs = 1;
    useBombKey();
    EXPECT_EQ(bombSites[0].state, Armed);
    EXPECT_EQ(bombSites[0].x, 300);
    EXPECT_EQ(bombSites[1].state, Armed);
    EXPECT_EQ(player.bombs, 0);

    bombSites = {BombSite{64, 64, 64, 64, Armed}, BombSite{32, 32, 32, 32, Carried}};
    player.bombs = 1;
    useBombKey();
    EXPECT_EQ(bombSites[0].state, Exploding);
    EXPECT_EQ(bombSites[1].state, Carried);
    EXPECT_EQ(player.bombs, 1);
}

} // namespace
