// The victory screen: "YOU WIN !!" every 20 passes at places drawn from rand, white, red and
// blue by turns, until the player quits.
#include "support/game_fixture.h"

#include <cstdlib>
#include <map>
#include <vector>

namespace {

constexpr unsigned seed = 4242;
const char* const youWin = "YOU WIN !!";

struct Placed {
    int x;
    int y;
    SDL_Color colour;
};

// Where the texts must land: the row is drawn before the column.
std::vector<Placed> expectedTexts(int count) {
    const SDL_Color colours[] = {white, red, blue};
    std::srand(seed);
    std::vector<Placed> placed;
    for (int index = 0; index < count; ++index) {
        const int y = std::rand() % 600;
        const int x = std::rand() % 800;
        placed.push_back({x, y, colours[index % 3]});
    }
    std::srand(seed);
    return placed;
}

Uint32 textColour() {
    return rgbOf(frontEnd.textSurface->format->palette->colors[1]);
}

class VictoryTest : public GameTest {};

TEST_F(VictoryTest, ATextEvery20PassesInWhiteRedBlueAndWhiteAgain) {
    const std::vector<Placed> placed = expectedTexts(4);
    soundBank.playSound(MusicLevel5);
    bool youWinPlayed = false;
    bool musicPlayed = true;
    std::map<int, Uint32> colourAfter;
    PassRecorder recorder([&](int pass) {
        ASSERT_NE(frontEnd.textSurface, nullptr);
        colourAfter[pass] = textColour();
        if (pass == 1) {
            youWinPlayed = (channelsPlaying(soundBank.youWinSound) > 0);
            musicPlayed = Mix_PlayingMusic() != 0;
            // The board with the first text over it, and nothing else.
            EXPECT_TRUE(showsText(frontEnd.largeFont, youWin, white, placed[0].x, placed[0].y,
                                  rect(0, 0, 800, 600), frontEnd.beatBoard));
        }
        if (pass % 20 == 1) {
            const Placed& text = placed[pass / 20];
            EXPECT_TRUE(showsText(frontEnd.largeFont, youWin, text.colour, text.x, text.y))
                << "pass " << pass;
        }
        if (pass == 70) {
            scripted::pressKey(SDLK_ESCAPE);
        }
    });
    frontEnd.runVictory();
    EXPECT_TRUE(youWinPlayed);
    EXPECT_FALSE(musicPlayed);
    EXPECT_EQ(quitRequested, 1);
    EXPECT_EQ(scripted::script.presents, 71);
    EXPECT_EQ(colourAfter[1], rgbOf(white));
    EXPECT_EQ(colourAfter[20], rgbOf(white)) << "a text was drawn between the 20-pass marks";
    EXPECT_EQ(colourAfter[21], rgbOf(red));
    EXPECT_EQ(colourAfter[40], rgbOf(red));
    EXPECT_EQ(colourAfter[41], rgbOf(blue));
    EXPECT_EQ(colourAfter[61], rgbOf(white));
}

TEST_F(VictoryTest, QOrClosingTheWindowEndsItAfterThatPass) {
    for (auto ask : {+[] { scripted::pressKey(SDLK_q); }, +[] { scripted::queueQuit(); }}) {
        scripted::install();
        quitRequested = 0;
        scripted::afterPresents(5, ask);
        frontEnd.runVictory();
        EXPECT_EQ(scripted::script.presents, 6);
        EXPECT_EQ(quitRequested, 1);
    }
}

} // namespace
