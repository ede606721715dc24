// The frame countdown that brings an actor back to a later state.
#include "actors/actor.h"
#include "support/game_fixture.h"

namespace {

TEST(StateTimer, ZeroFramesEndOnTheFirstTickAndAHundredAndFiftyOnTheLast) {
    Actor enemy(East, Penned, RedKind);
    enemy.setTimedState(Scared, 0, Active);
    EXPECT_EQ(enemy.state, Scared);
    enemy.tickStateTimer();
    EXPECT_EQ(enemy.state, Active);
    EXPECT_FALSE(enemy.stateTimerActive);
    enemy.setState(Penned);
    enemy.tickStateTimer();
    EXPECT_EQ(enemy.state, Penned) << "a stopped timer does nothing";

    enemy.setTimedState(Scared, 150, Active);
    for (int tick = 1; tick < 150; ++tick) {
        enemy.tickStateTimer();
        ASSERT_EQ(enemy.state, Scared) << tick;
    }
    enemy.tickStateTimer();
    EXPECT_EQ(enemy.state, Active);
    EXPECT_FALSE(enemy.stateTimerActive);
}

TEST(StateTimer, SetStateLeavesARunningTimerToOverwriteItAndANewTimerReplacesIt) {
    Actor enemy(East, Active, YellowKind);
    enemy.setTimedState(Scared, 3, Active);
    enemy.setState(Penned);
    enemy.tickStateTimer();
    enemy.tickStateTimer();
    EXPECT_EQ(enemy.state, Penned);
    enemy.tickStateTimer();
    EXPECT_EQ(enemy.state, Active);

    // A new timer replaces the running one.
    enemy.setTimedState(Scared, 150, Active);
    enemy.tickStateTimer();
    enemy.setTimedState(Flung, 0, Flung);
    for (int tick = 0; tick < 200; ++tick) {
        enemy.tickStateTimer();
    }
    EXPECT_EQ(enemy.state, Flung);
    EXPECT_FALSE(enemy.stateTimerActive);

    enemy.setTimedState(Penned, 5, Scared);
    enemy.setTimedState(Penned, 2, Active);
    enemy.tickStateTimer();
    enemy.tickStateTimer();
    EXPECT_EQ(enemy.state, Active);
}

} // namespace
