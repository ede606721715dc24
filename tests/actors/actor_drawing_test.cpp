// How the actors are drawn: walking frames on the clock, the scared blink, and the flight of a
// flung enemy with its wraps and its landing at home.
#include "actors/actor.h"
#include "shell/game_loop.h"
#include "support/game_fixture.h"

namespace {

// Draws the actor on a cleared screen and tells whether the given frame is what shows.
bool drawsFrame(Actor& actor, SpriteSet& set, int32_t heading, int32_t frame) {
    SDL_FillRect(screen, nullptr, 0);
    actor.draw();
    return drawnAt(set.frameFor(heading, frame), actor.x, actor.y);
}

class ActorDrawingTest : public GameTest {
  protected:
    void advanceClock(Uint32 ms) { scripted::script.now += ms; }
};

TEST_F(ActorDrawingTest, WalkingFramesStepEvery80MsForThePlayerAnd200ForEnemies) {
    place(player, 100, 100, East);
    player.lastFrameTick = scripted::script.now;
    EXPECT_TRUE(drawsFrame(player, playerSet, East, 0));
    EXPECT_EQ(player.framePeriod, 80);
    advanceClock(80);
    EXPECT_TRUE(drawsFrame(player, playerSet, East, 0)) << "not before 80 ms have passed";
    advanceClock(1);
    EXPECT_TRUE(drawsFrame(player, playerSet, East, 1));
    advanceClock(81);
    EXPECT_TRUE(drawsFrame(player, playerSet, East, 2));
    advanceClock(81);
    EXPECT_TRUE(drawsFrame(player, playerSet, East, 0));

    // Standing still shows the west frames, still stepping.
    player.direction = None;
    advanceClock(81);
    EXPECT_TRUE(drawsFrame(player, playerSet, West, 1));
    EXPECT_FALSE(drawnAt(playerSet.frameFor(East, 1), 100, 100));

    place(redEnemy, 300, 200, North);
    redEnemy.lastFrameTick = scripted::script.now;
    advanceClock(200);
    EXPECT_TRUE(drawsFrame(redEnemy, redSet, North, 0));
    EXPECT_EQ(redEnemy.framePeriod, 200);
    advanceClock(1);
    EXPECT_TRUE(drawsFrame(redEnemy, redSet, North, 1));
}

TEST_F(ActorDrawingTest, AScaredEnemyBlinksGreyThenWhiteOnEveryDraw) {
    place(blueEnemy, 64, 64, South);
    blueEnemy.setState(Scared);
    blueEnemy.lastFrameTick = scripted::script.now;
    EXPECT_TRUE(drawsFrame(blueEnemy, scaredGreySet, South, 0)) << "grey first after attaching";
    EXPECT_TRUE(drawsFrame(blueEnemy, scaredWhiteSet, South, 0));
    EXPECT_TRUE(drawsFrame(blueEnemy, scaredGreySet, South, 0));
    advanceClock(201);
    EXPECT_TRUE(drawsFrame(blueEnemy, scaredWhiteSet, South, 1));
}

TEST_F(ActorDrawingTest, AFlungEnemyFliesFourLegsAndLandsPennedAtHome) {
    Actor& enemy = purpleEnemy;
    enemy.homeX = 288;
    enemy.homeY = 320;
    place(enemy, 400, 300, West);
    enemy.phaseCounter = 0;
    enemy.setTimedState(Flung, 0, Flung);
    EXPECT_TRUE(drawsFrame(enemy, scaredGreySet, West, 0));
    // Twenty draws a leg: up-right (wrapping from above row 1 to 568), up-left, down-left and
    // down-right.
    struct Point {
        int draws, x, y;
    };
    int draws = 1;
    for (const Point& p :
         {Point{1, 415, 285}, {20, 700, 538}, {21, 685, 523}, {41, 385, 253}, {61, 115, 553}}) {
        for (; draws < p.draws; ++draws) {
            enemy.draw();
        }
        EXPECT_EQ(enemy.x, p.x) << "after " << p.draws << " draws";
        EXPECT_EQ(enemy.y, p.y) << "after " << p.draws << " draws";
    }
    for (; draws < 250; ++draws) {
        enemy.draw();
    }
    EXPECT_EQ(enemy.state, Flung);
    EXPECT_EQ(enemy.phaseCounter, 250);
    enemy.draw();
    EXPECT_EQ(enemy.x, 288);
    EXPECT_EQ(enemy.y, 320);
    EXPECT_EQ(enemy.state, Penned);
    EXPECT_EQ(enemy.stateTimer, 100);
    EXPECT_EQ(enemy.restoreState, Active);
    EXPECT_TRUE(enemy.stateTimerActive);
    EXPECT_EQ(enemy.phaseCounter, 0);
    EXPECT_TRUE(enemy.direction == East || enemy.direction == West);
}

TEST_F(ActorDrawingTest, TheFlightWrapsAtItsOwnEdges) {
    struct Case {
        int32_t phase, x, y, landedX, landedY;
    };
    const Case cases[] = {{0, 790, 300, 0, 285},   {0, 785, 300, 800, 285},
                          {20, 10, 300, 768, 285}, {0, 400, 40, 415, 568},
                          {40, 400, 560, 385, 32}, {40, 400, 553, 385, 568}};
    for (const Case& c : cases) {
        yellowEnemy.setTimedState(Flung, 0, Flung);
        yellowEnemy.phaseCounter = c.phase;
        place(yellowEnemy, c.x, c.y);
        yellowEnemy.draw();
        EXPECT_EQ(yellowEnemy.x, c.landedX) << c.x << "," << c.y;
        EXPECT_EQ(yellowEnemy.y, c.landedY) << c.x << "," << c.y;
    }
}

TEST_F(ActorDrawingTest, FlightsStandStillWhileThePlayerIsKnockedOut) {
    redEnemy.setTimedState(Flung, 0, Flung);
    redEnemy.phaseCounter = 30;
    place(redEnemy, 200, 200);
    player.setState(Punched);
    drawActors();
    drawActors();
    EXPECT_EQ(redEnemy.phaseCounter, 30);
    EXPECT_EQ(redEnemy.x, 200);
    EXPECT_EQ(scripted::script.presents, 2);
    player.setState(Active);
    drawActors();
    EXPECT_EQ(redEnemy.phaseCounter, 31);
    EXPECT_EQ(redEnemy.x, 185);
}

} // namespace
