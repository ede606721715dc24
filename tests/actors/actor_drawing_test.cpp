// An actor whose pictures could not be loaded draws nothing in any state, and never reads them;
// a punched one turns a quarter only once more than 150 ms have passed, round and round.
#include "support/game_fixture.h"

namespace {

TEST_F(GameTest, AnActorWithoutPicturesDrawsNothingInAnyState) {
    Actor ghost(North, Active, RedKind);
    ghost.target = screen;
    fillScreen(marker);
    for (int32_t state : {Active, Penned, Flung, Punched, Scared}) {
        ghost.state = state;
        ghost.draw();
    }
    EXPECT_EQ(pixelsOf(marker, rect(0, 0, windowWidth, windowHeight)), windowWidth * windowHeight);
}

TEST_F(GameTest, APunchedActorTurnsOnlyAfterMoreThan150Ms) {
    player.phaseCounter = 3;
    player.lastFrameTick = 1000;
    for (Uint32 now : {1150u, 1151u}) {
        scripted::script.now = now;
        player.drawPunched();
    }
    EXPECT_EQ(player.phaseCounter, 0) << "one quarter turn, from the last heading to the first";
    EXPECT_EQ(player.lastFrameTick, 1151u) << "turned at 150 ms";
}

} // namespace
