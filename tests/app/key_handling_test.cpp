// The command keys of play: a knocked-out player cannot give up, warp or use a bomb; looking
// away pauses as P does. (The pad buttons that stand for them are played in the regression demo
// pad-play.demo.)
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

// Only the keyboard's focus lost or the window hidden pauses, not the pointer leaving, and
// looking back does not resume: only P does.
TEST_F(KeyHandlingTest, LookingAwayPausesUntilP) {
    const auto passesAfter = [](Uint8 gain, Uint8 state) {
        scripted::script.presents = 0;
        SDL_Event away{};
        away.type = SDL_ACTIVEEVENT;
        away.active.gain = gain;
        away.active.state = state;
        scripted::script.events.push_back(away);
        scripted::afterPresents(2, [away]() mutable {
            away.active.gain = 1;
            away.active.state = SDL_APPINPUTFOCUS | SDL_APPACTIVE;
            scripted::script.events.push_back(away);
        });
        scripted::afterPresents(4, [] { scripted::pressKey(SDLK_p); });
        handleEvents();
        const int passes = scripted::script.presents;
        scripted::script.afterPresent.clear();
        scripted::script.events.clear();
        return passes;
    };
    EXPECT_EQ(passesAfter(0, SDL_APPINPUTFOCUS), 5);
    EXPECT_EQ(passesAfter(0, SDL_APPACTIVE), 5);
    EXPECT_EQ(passesAfter(0, SDL_APPMOUSEFOCUS), 0);
    EXPECT_EQ(passesAfter(1, SDL_APPINPUTFOCUS), 0);
}

} // namespace
