// The tally between levels: the three numbers counting up, the fifteen seconds that nothing
// but a quit can shorten, and the two walkers.
#include "screens/screen_checks.h"

#include <map>
#include <string>

using namespace screencheck;

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

TEST_F(LevelTallyTest, Score500After35SecondsCountsUpTo500And175And325) {
    player.score = 500;
    levelSeconds = 35;
    soundBank.playSound(MusicLevel2);
    // What the screen shows after the given pass: the score climbs by 10, the penalty by 2 and
    // the final score by 10 per pass, each stopping at its target.
    const std::map<int, Shown> expected{{1, {"10", "2", "10"}},      {32, {"320", "64", "320"}},
                                        {33, {"330", "66", "325"}},  {49, {"490", "98", "325"}},
                                        {50, {"500", "100", "325"}}, {87, {"500", "174", "325"}},
                                        {88, {"500", "175", "325"}}, {400, {"500", "175", "325"}}};
    bool youWinPlayed = false;
    bool musicPlayed = true;
    int lastPass = 0;
    PassRecorder recorder([&](int pass) {
        lastPass = pass;
        if (pass == 1) {
            youWinPlayed = effectPlaying(soundBank.youWinSound);
            musicPlayed = Mix_PlayingMusic() != 0;
            EXPECT_TRUE(showsText(frontEnd.largeFont, "You Beat Level", white, 100, 20));
            EXPECT_TRUE(showsText(frontEnd.largeFont, "2", white, 600, 20));
            EXPECT_TRUE(showsText(frontEnd.largeFont, "!", white, 650, 20));
            EXPECT_TRUE(showsText(frontEnd.largeFont, "Your Score :", white, 50, 200,
                                  rect(50, 200, 400, 100), nullptr));
            EXPECT_TRUE(showsText(frontEnd.largeFont, "Time Penalty :", white, 50, 330,
                                  rect(50, 330, 450, 100), nullptr));
            EXPECT_TRUE(showsText(frontEnd.largeFont, "Final Score :", white, 50, 460,
                                  rect(50, 460, 400, 100), nullptr));
        }
        auto found = expected.find(pass);
        if (found != expected.end()) {
            SCOPED_TRACE(pass);
            expectShown(found->second);
        }
    });
    const Uint32 lasted = runTally();
    EXPECT_TRUE(youWinPlayed);
    EXPECT_FALSE(musicPlayed) << "the level music plays on during the tally";
    expectShown({"500", "175", "325"});
    EXPECT_GE(lasted, tallyMs);
    EXPECT_LT(lasted, tallyMs + 2 * passMs);
    // About 60 passes a second for 15 seconds.
    EXPECT_NEAR(lastPass, static_cast<int>(tallyMs / passMs), 4);
    EXPECT_EQ(quitRequested, 0);
}

TEST_F(LevelTallyTest, ASmallScoreIsShownWholeOnTheFirstPass) {
    player.score = 7;
    levelSeconds = 0;
    PassRecorder recorder([&](int pass) {
        if (pass == 1) {
            expectShown({"7", "0", "7"});
        }
    });
    runTally();
    expectShown({"7", "0", "7"});
}

TEST_F(LevelTallyTest, AFinalScoreBelowZeroIsShownAsZeroThroughout) {
    player.score = 100;
    levelSeconds = 40;
    int checked = 0;
    PassRecorder recorder([&](int pass) {
        if (pass == 1 || pass % 97 == 0) {
            SCOPED_TRACE(pass);
            EXPECT_TRUE(showsNumber("0", 450, 460));
            ++checked;
        }
    });
    runTally();
    EXPECT_GT(checked, 5);
    expectShown({"100", "200", "0"});
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
