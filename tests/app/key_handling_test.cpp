// The command keys of play: a knocked-out player cannot give up, warp or use a bomb. (The pad
// buttons that stand for them are played in the regression demo pad-play.demo.)
#include "app/key_handling.h"
#include "support/game_fixture.h"

namespace {

class KeyHandlingTest : public GameTest {};

TEST_F(KeyHandlingTest, KnockedOutThePlayerIgnoresGiveUpWarpAndBombKeys) {
    setMaze({"", "   B"});
    bombSites.push_back(BombSite{96, 32, 96, 32, Carried});
    player.bombs = 1;
    scripted::pressKey(SDLK_k);
    handleEvents();
    EXPECT_EQ(player.state, Punched);
    EXPECT_EQ(channelsPlaying(soundBank.effect(SfxWuzzle)), 1);
    EXPECT_EQ(channelsPlaying(soundBank.effect(SfxPunch)), 0);

    punchedFrames = 7;
    for (SDLKey key : {SDLK_k, SDLK_z, SDLK_SPACE}) {
        scripted::pressKey(key);
    }
    const int32_t x = player.x;
    handleEvents();
    EXPECT_EQ(player.state, Punched);
    EXPECT_EQ(punchedFrames, 7);
    EXPECT_EQ(channelsPlaying(soundBank.effect(SfxWuzzle)), 1);
    EXPECT_EQ(player.warps, 3);
    EXPECT_EQ(player.x, x);
    EXPECT_EQ(bombSites[0].state, Carried);
    EXPECT_EQ(player.bombs, 1);
}

} // namespace
