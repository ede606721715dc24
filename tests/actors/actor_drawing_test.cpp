// How the actors are drawn: walking frames on the clock, the scared blink, and the flight of a
// flung enemy with its wraps and its landing at home.
#include "actors/actor.h"
#include "shell/game_loop.h"
#include "shell/game_state.h"
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
    player.x = 100;
    player.y = 100;
    player.direction = East;
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

    redEnemy.x = 300;
    redEnemy.y = 200;
    redEnemy.direction = North;
    redEnemy.lastFrameTick = scripted::script.now;
    advanceClock(200);
    EXPECT_TRUE(drawsFrame(redEnemy, redSet, North, 0));
    EXPECT_EQ(redEnemy.framePeriod, 200);
    advanceClock(1);
    EXPECT_TRUE(drawsFrame(redEnemy, redSet, North, 1));
}

TEST_F(ActorDrawingTest, AScaredEnemyBlinksGreyThenWhiteOnEveryDraw) {
    blueEnemy.x = 64;
    blueEnemy.y = 64;
    blueEnemy.direction = South;
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
    enemy.x = 400;
    enemy.y = 300;
    enemy.direction = West;
    enemy.phaseCounter = 0;
    enemy.setTimedState(Flung, 0, Flung);
    EXPECT_TRUE(drawsFrame(enemy, scaredGreySet, West, 0));
    EXPECT_EQ(enemy.x, 415);
    EXPECT_EQ(enemy.y, 285);
    for (int call = 2; call <= 20; ++call) {
        enemy.draw();
    }
    // Up-right for 20 frames: x 700, y below 32 after the 18th step wraps to 568.
    EXPECT_EQ(enemy.x, 700);
    EXPECT_EQ(enemy.y, 538);
    enemy.draw();
    EXPECT_EQ(enemy.x, 685) << "up-left";
    EXPECT_EQ(enemy.y, 523);
    for (int call = 22; call <= 41; ++call) {
        enemy.draw();
    }
    EXPECT_EQ(enemy.x, 385) << "down-left from (400, 238)";
    EXPECT_EQ(enemy.y, 253);
    for (int call = 42; call <= 61; ++call) {
        enemy.draw();
    }
    EXPECT_EQ(enemy.x, 115) << "down-right from (100, 538)";
    EXPECT_EQ(enemy.y, 553);
    for (int call = 62; call < 251; ++call) {
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
        yellowEnemy.x = c.x;
        yellowEnemy.y = c.y;
        yellowEnemy.draw();
        EXPECT_EQ(yellowEnemy.x, c.landedX) << c.x << "," << c.y;
        EXPECT_EQ(yellowEnemy.y, c.landedY) << c.x << "," << c.y;
    }
}

TEST_F(ActorDrawingTest, FlightsStandStillWhileThePlayerIsKnockedOut) {
    redEnemy.setTimedState(Flung, 0, Flung);
    redEnemy.phaseCounter = 30;
    redEnemy.x = 200;
    redEnemy.y = 200;
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
