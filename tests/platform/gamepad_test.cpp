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
    SDL_Event otherHat = padHatEvent(SDL_HAT_UP);
    otherHat.jhat.hat = 1;
    // Each event after the ones before it, and the ways held then. A third of 32767 is 10922:
    // up to it the stick is at rest, one more steers. The right stick, the triggers and a
    // second hat steer nothing.
    const std::pair<SDL_Event, std::string> steps[] = {
        {padHatEvent(SDL_HAT_UP | SDL_HAT_LEFT), "NW"},
        {padHatEvent(SDL_HAT_RIGHTDOWN), "SE"},
        {padHatEvent(SDL_HAT_CENTERED), ""},
        {padAxisEvent(0, 10922), ""},
        {padAxisEvent(1, -10922), ""},
        {padAxisEvent(0, 10923), "E"},
        {padAxisEvent(0, -32768), "W"},
        {padAxisEvent(1, 10923), "SW"},
        {padAxisEvent(1, -10923), "NW"},
        {padAxisEvent(0, 0), "N"},
        {padAxisEvent(1, 0), ""},
        {padAxisEvent(2, 32767), ""},
        {otherHat, ""},
        {padHatEvent(SDL_HAT_DOWN), "S"},
    };
    for (size_t i = 0; i < std::size(steps); ++i) {
        scripted::script.events.push_back(steps[i].first);
        takeAll();
        EXPECT_EQ(held(), steps[i].second) << "after event " << i;
    }
    resetPadState();
    EXPECT_EQ(held(), "");
}

TEST_F(GamepadTest, AStickLetGoDuringThePauseIsLetGoInPlayAndEscapeThereQuits) {
    scripted::movePadAxis(0, 20000);
    takeAll();
    ASSERT_EQ(held(), "E");
    scripted::afterPresents(1, [] {
        scripted::movePadAxis(0, 0);
        scripted::pressKey(SDLK_ESCAPE);
    });
    frontEnd.runPause();
    EXPECT_EQ(held(), "");
    EXPECT_EQ(quitRequested, 1) << "Escape in the pause quits the game";
}

} // namespace
