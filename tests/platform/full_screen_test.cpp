// F11 and Alt+Enter switch full screen; other keys are left to the game. On a driver that
// cannot switch (the headless one here) the window stays exactly as it was.
#include "platform/full_screen.h"
#include "support/game_fixture.h"

namespace {

SDL_keysym keyOf(SDLKey sym, SDLMod mod = KMOD_NONE) {
    SDL_keysym key{};
    key.sym = sym;
    key.mod = mod;
    return key;
}

} // namespace

class FullScreenTest : public GameTest {};

TEST_F(FullScreenTest, F11OrAltEnterSwitchesAndChangesNothingWhereTheDriverCannot) {
    SDL_Surface* before = SDL_GetVideoSurface();
    ASSERT_NE(before, nullptr);
    SDL_FillRect(before, nullptr, SDL_MapRGB(before->format, 10, 20, 30));
    const Uint32 pixel = *static_cast<Uint32*>(before->pixels);

    EXPECT_TRUE(toggleFullScreenOnKey(keyOf(SDLK_F11)));
    EXPECT_TRUE(toggleFullScreenOnKey(keyOf(SDLK_RETURN, KMOD_LALT)));
    EXPECT_TRUE(toggleFullScreenOnKey(keyOf(SDLK_KP_ENTER, KMOD_RALT)));
    EXPECT_FALSE(toggleFullScreenOnKey(keyOf(SDLK_RETURN)));
    EXPECT_FALSE(toggleFullScreenOnKey(keyOf(SDLK_p, KMOD_LALT)));
    EXPECT_FALSE(toggleFullScreenOnKey(keyOf(SDLK_ESCAPE)));

    SDL_Surface* after = SDL_GetVideoSurface();
    EXPECT_EQ(after, before);
    EXPECT_EQ(after->w, 800);
    EXPECT_EQ(after->h, 600);
    EXPECT_EQ(*static_cast<Uint32*>(after->pixels), pixel);
}
