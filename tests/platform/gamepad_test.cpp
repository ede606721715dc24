// The pad's held directions: the d-pad's bits, the stick only beyond a third of its travel,
// nothing from the other axes and hats, and a stick let go while a screen is up.
#include "platform/gamepad.h"
#include "support/game_fixture.h"

namespace {

class GamepadTest : public GameTest {};

// Takes every queued event as the game's readers do.
void takeAll() {
    SDL_Event event;
    while (takeEvent(&event) != 0) {
    }
}

std::string held() {
    std::string ways;
    for (auto [heading, name] : {std::pair{North, 'N'}, {South, 'S'}, {West, 'W'}, {East, 'E'}}) {
        if (padHolds(heading)) {
            ways += name;
        }
    }
    return ways;
}

TEST_F(GamepadTest, TheDpadAndTheStickBeyondAThirdOfItsTravelHoldWays) {
    EXPECT_EQ(held(), "");
    scripted::movePadHat(SDL_HAT_UP | SDL_HAT_LEFT);
    takeAll();
    EXPECT_EQ(held(), "NW");
    scripted::movePadHat(SDL_HAT_RIGHTDOWN);
    takeAll();
    EXPECT_EQ(held(), "SE");
    scripted::movePadHat(SDL_HAT_CENTERED);
    takeAll();
    EXPECT_EQ(held(), "");

    // A third of 32767 is 10922: up to it the stick is at rest, one more steers.
    const std::pair<Uint8, Sint16> pushes[] = {{0, 10922}, {0, -10922}, {1, 10922}, {1, -10922}};
    for (auto [axis, value] : pushes) {
        scripted::movePadAxis(axis, value);
        takeAll();
        EXPECT_EQ(held(), "") << "axis " << int(axis) << " at " << value;
    }
    const std::tuple<Uint8, Sint16, std::string> steers[] = {
        {0, 10923, "E"}, {0, -32768, "W"}, {1, 10923, "SW"}, {1, -10923, "NW"}, {0, 0, "N"}};
    for (auto [axis, value, ways] : steers) {
        scripted::movePadAxis(axis, value);
        takeAll();
        EXPECT_EQ(held(), ways) << "axis " << int(axis) << " at " << value;
    }

    // The right stick, the triggers and a second hat steer nothing.
    scripted::movePadAxis(1, 0);
    scripted::movePadAxis(2, 32767);
    scripted::movePadAxis(3, -32768);
    SDL_Event otherHat = padHatEvent(SDL_HAT_UP);
    otherHat.jhat.hat = 1;
    scripted::script.events.push_back(otherHat);
    takeAll();
    EXPECT_EQ(held(), "");

    scripted::movePadHat(SDL_HAT_DOWN);
    takeAll();
    resetPadState();
    EXPECT_EQ(held(), "");
}

TEST_F(GamepadTest, AStickLetGoDuringThePauseIsLetGoInPlay) {
    scripted::movePadAxis(0, 20000);
    takeAll();
    ASSERT_EQ(held(), "E");
    scripted::afterPresents(1, [] {
        scripted::movePadAxis(0, 0);
        scripted::pressKey(SDLK_p);
    });
    frontEnd.runPause();
    EXPECT_EQ(held(), "");
}

} // namespace
