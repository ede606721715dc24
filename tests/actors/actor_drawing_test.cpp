// An actor whose pictures could not be loaded draws nothing in any state, and never reads them.
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

} // namespace
