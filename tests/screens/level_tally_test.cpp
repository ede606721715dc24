// The tally between levels: the three numbers counting up, the fifteen seconds that nothing
// but a quit can shorten, and the two walkers.
#include "support/game_fixture.h"

#include <map>
#include <string>
#include <tuple>

namespace {

constexpr Uint32 tallyMs = 15000;
// A pass of the screen lasts 1/60 s, rounded up to whole milliseconds.
constexpr Uint32 passMs = 17;

struct Shown {
    const char* score;
    const char* penalty;
    const char* final;
};

class LevelTallyTest : public GameTest {
  protected:
    void SetUp() override {
        GameTest::SetUp();
        levelNumber = 2;
    }

    // Runs the tally; returns how long it lasted on the scripted clock.
    Uint32 runTally() {
        const Uint32 start = scripted::script.now;
        frontEnd.runLevelTally();
        return scripted::script.now - start;
    }

    static ::testing::AssertionResult showsNumber(const std::string& text, int x, int y) {
        return showsText(frontEnd.largeFont, text, white, x, y, rect(x, y, 200, 100),
                         frontEnd.beatBoard);
    }

    static void expectShown(const Shown& shown) {
        EXPECT_TRUE(showsNumber(shown.score, 450, 200));
        EXPECT_TRUE(showsNumber(shown.penalty, 500, 330));
        EXPECT_TRUE(showsNumber(shown.final, 450, 460));
    }
};

// What the screen shows after the given passes: the score climbs by 10, the penalty by 2 and
// the final score by 10 per pass, each stopping at its target; a small score shows whole at
// once and a final score below zero shows as 0 throughout.
TEST_F(LevelTallyTest, TheNumbersCountUpOverFifteenSeconds) {
    struct Case {
        int32_t score, seconds;
        std::map<int, Shown> shown;
    };
    const Case cases[] = {{500,
                           35,
                           {{1, {"10", "2", "10"}},
                            {32, {"320", "64", "320"}},
                            {33, {"330", "66", "325"}},
                            {49, {"490", "98", "325"}},
                            {50, {"500", "100", "325"}},
                            {87, {"500", "174", "325"}},
                            {88, {"500", "175", "325"}},
                            {800, {"500", "175", "325"}}}},
                          {7, 0, {{1, {"7", "0", "7"}}, {800, {"7", "0", "7"}}}},
                          {100,
                           40,
                           {{1, {"10", "2", "0"}},
                            {10, {"100", "20", "0"}},
                            {99, {"100", "198", "0"}},
                            {800, {"100", "200", "0"}}}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.score);
        SetUp();
        player.score = c.score;
        levelSeconds = c.seconds;
        soundBank.playSound(MusicLevel2);
        bool youWinPlayed = false;
        bool musicPlayed = true;
        int lastPass = 0;
        PassRecorder recorder([&](int pass) {
            lastPass = pass;
            if (pass == 1) {
                youWinPlayed = channelsPlaying(soundBank.youWinSound) > 0;
                musicPlayed = Mix_PlayingMusic() != 0;
                for (auto [text, x, y] : {std::tuple{"You Beat Level", 100, 20},
                                          {"2", 600, 20},
                                          {"!", 650, 20},
                                          {"Your Score :", 50, 200},
                                          {"Time Penalty :", 50, 330},
                                          {"Final Score :", 50, 460}}) {
                    EXPECT_TRUE(showsText(frontEnd.largeFont, text, white, x, y));
                }
            }
            if (c.shown.count(pass) != 0) {
                SCOPED_TRACE(pass);
                expectShown(c.shown.at(pass));
            }
        });
        const Uint32 lasted = runTally();
        EXPECT_TRUE(youWinPlayed);
        EXPECT_FALSE(musicPlayed) << "the level music plays on during the tally";
        expectShown(c.shown.rbegin()->second);
        EXPECT_GE(lasted, tallyMs);
        EXPECT_LT(lasted, tallyMs + 2 * passMs);
        // About 60 passes a second for 15 seconds.
        EXPECT_NEAR(lastPass, static_cast<int>(tallyMs / passMs), 4);
        EXPECT_EQ(quitRequested, 0);
    }
}

TEST_F(LevelTallyTest, KeysAndClicksDoNotShortenTheFifteenSeconds) {
    player.score = 50;
    for (int pass : {1, 5, 100, 600}) {
        scripted::afterPresents(pass, [] {
            scripted::pressKey(SDLK_SPACE);
            scripted::pressKey(SDLK_RETURN);
            scripted::pressKey(SDLK_p);
            SDL_Event click{};
            click.type = SDL_MOUSEBUTTONDOWN;
            click.button.button = SDL_BUTTON_LEFT;
            click.button.state = SDL_PRESSED;
            scripted::script.events.push_back(click);
            scripted::holdLeftButton(true);
        });
    }
    EXPECT_GE(runTally(), tallyMs);
    EXPECT_EQ(quitRequested, 0);
}

TEST_F(LevelTallyTest, EscapeQOrClosingTheWindowEndsItAfterThePassAndAsksToQuit) {
    for (auto ask : {+[] { scripted::pressKey(SDLK_ESCAPE); }, +[] { scripted::pressKey(SDLK_q); },
                     +[] { scripted::queueQuit(); }}) {
        scripted::install();
        quitRequested = 0;
        player.score = 500;
        levelSeconds = 35;
        scripted::afterPresents(10, ask);
        const Uint32 lasted = runTally();
        EXPECT_EQ(scripted::script.presents, 11);
        EXPECT_LT(lasted, 12 * passMs);
        EXPECT_EQ(quitRequested, 1);
        expectShown({"110", "22", "110"});
    }
}

TEST_F(LevelTallyTest, TheWalkersComeBackAtTheLeftEdge) {
    std::map<int, int> playerX;
    std::map<int, int> redX;
    PassRecorder recorder([&](int pass) {
        playerX[pass] = player.getX();
        redX[pass] = redEnemy.getX();
        EXPECT_EQ(player.getY(), 120);
        EXPECT_EQ(redEnemy.getY(), 120);
        if (pass == 189 || pass == 195) {
            // The player is drawn at x 4, then walks on over the board restored behind it; the
            // red enemy is far to the right.
            SDL_Surface* frame = playerSet.frameFor(East, player.animFrame);
            EXPECT_TRUE(
                showsPicture(frame, player.getX(), 120, rect(0, 120, 300, 32), frontEnd.beatBoard))
                << "pass " << pass;
        }
    });
    runTally();
    EXPECT_EQ(playerX[1], 54);
    EXPECT_EQ(redX[1], 4);
    EXPECT_EQ(playerX[188], 802);
    EXPECT_EQ(playerX[189], 4);
    EXPECT_EQ(playerX[195], 28);
    EXPECT_EQ(redX[200], 800);
    EXPECT_EQ(redX[201], 804);
    EXPECT_EQ(redX[202], 4);
    EXPECT_EQ(player.getDirection(), East);
    EXPECT_EQ(redEnemy.getDirection(), East);
}

} // namespace
