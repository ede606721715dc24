// The intro menu driven by a scripted pointer: its regions and buttons, the one-shot sounds, the
// background of each region, the runners' lanes and the controls page.
#include "screens/intro_regions.h"
#include "screens/screen_checks.h"

#include <algorithm>
#include <map>
#include <vector>

using namespace screencheck;

namespace {

enum Background { Plain, Left, Right, Pushed, Unknown };

struct Point {
    int x;
    int y;
};

// What one pass of the menu showed and played.
struct PassSeen {
    Background background = Unknown;
    bool pageTurn = false;
    bool stretch = false;
    bool buttonPush = false;
    bool playLit = false;
    bool playAtRest = false;
    bool controlsLit = false;
    bool controlsAtRest = false;
};

class IntroMenuTest : public GameTest {
  protected:
    void SetUp() override {
        GameTest::SetUp();
        backgrounds = {frontEnd.introBackground, frontEnd.introBackgroundLeft,
                       frontEnd.introBackgroundRight, frontEnd.introBackgroundPushed};
        for (SDL_Surface* image : backgrounds) {
            ASSERT_NE(image, nullptr);
        }
        findTellingPixels();
    }

    // A grid of pixels above the runners and the buttons, on which every two of the four
    // backgrounds differ somewhere (the pictures differ mostly in their lit panels).
    void findTellingPixels() {
        for (int y = 2; y < 500; y += 6) {
            for (int x = 2; x < 800; x += 6) {
                telling.push_back({x, y});
            }
        }
        for (size_t a = 0; a < backgrounds.size(); ++a) {
            for (size_t b = a + 1; b < backgrounds.size(); ++b) {
                bool differ = false;
                for (const Point& p : telling) {
                    differ = differ || rawPixel(backgrounds[a], p.x, p.y) !=
                                           rawPixel(backgrounds[b], p.x, p.y);
                }
                ASSERT_TRUE(differ) << "intro pictures " << a << " and " << b << " look alike";
            }
        }
    }

    // The one background that the screen shows on every telling pixel.
    Background backgroundShown() {
        Background shown = Unknown;
        for (size_t index = 0; index < backgrounds.size(); ++index) {
            bool all = true;
            for (const Point& p : telling) {
                all = all && screenPixel(p.x, p.y) ==
                                 rgbOf(backgrounds[index], rawPixel(backgrounds[index], p.x, p.y));
            }
            if (all) {
                shown = static_cast<Background>(index);
            }
        }
        return shown;
    }

    // The top half of a menu button: the runners never come that high during these tests.
    static bool buttonShows(SDL_Surface* image, int x, SDL_Surface* background) {
        return showsPicture(image, x, 525, rect(x, 525, 150, 24), background);
    }

    PassSeen seePass() {
        PassSeen seen;
        seen.background = backgroundShown();
        seen.pageTurn = effectPlaying(soundBank.pageTurnSound);
        seen.stretch = effectPlaying(soundBank.stretchSound);
        seen.buttonPush = effectPlaying(soundBank.buttonPushSound);
        SDL_Surface* shown = backgrounds[seen.background == Unknown ? Plain : seen.background];
        seen.playLit = buttonShows(frontEnd.play2Image, 10, shown);
        seen.playAtRest = buttonShows(frontEnd.playImage, 10, shown);
        seen.controlsLit = buttonShows(frontEnd.controls2Image, 620, shown);
        seen.controlsAtRest = buttonShows(frontEnd.controls1Image, 620, shown);
        return seen;
    }

    // Runs the menu with the pointer (and the left button) of each pass taken from the script.
    std::vector<PassSeen> runMenu(const std::vector<std::pair<Point, bool>>& pointer) {
        std::vector<PassSeen> seen;
        scripted::movePointer(pointer[0].first.x, pointer[0].first.y);
        scripted::holdLeftButton(pointer[0].second);
        for (size_t pass = 1; pass < pointer.size(); ++pass) {
            const auto [at, held] = pointer[pass];
            scripted::afterPresents(static_cast<int>(pass), [at, held] {
                scripted::movePointer(at.x, at.y);
                scripted::holdLeftButton(held);
            });
        }
        PassRecorder recorder([&](int) { seen.push_back(seePass()); });
        frontEnd.runIntroMenu();
        return seen;
    }

    std::vector<SDL_Surface*> backgrounds;
    std::vector<Point> telling;
};

TEST(MenuRegions, ZonesAreTheLowerLeftAndLowerRightWithExclusiveEdges) {
    EXPECT_EQ(menuRegionAt(299, 401, false), PlayZone);
    EXPECT_EQ(menuRegionAt(301, 401, true), ControlsZone);
    EXPECT_EQ(menuRegionAt(300, 500, false), Idle);
    EXPECT_EQ(menuRegionAt(300, 500, true), Pressed);
    EXPECT_EQ(menuRegionAt(100, 400, false), Idle);
    EXPECT_EQ(menuRegionAt(700, 400, true), Pressed);
    // The zones are tested before the button: a held button in a zone keeps the zone.
    EXPECT_EQ(menuRegionAt(100, 450, true), PlayZone);
}

TEST_F(IntroMenuTest, EachRegionShowsItsBackgroundButtonsAndPlaysItsSoundOnce) {
    const std::vector<std::pair<Point, bool>> pointer{
        {{400, 100}, false}, // 1 idle
        {{100, 450}, false}, // 2 play zone: its sound
        {{120, 470}, false}, // 3 still the play zone: no sound
        {{500, 450}, false}, // 4 controls zone: its own sound
        {{300, 500}, false}, // 5 x 300 is in no zone: idle, sounds armed again
        {{100, 450}, false}, // 6 play zone again: sound again
        {{300, 500}, true},  // 7 held outside the zones: pushed, stretch sound
        {{100, 300}, true},  // 8 still pushed: no sound
        {{100, 300}, false}, // 9 released: idle, sounds armed again
        {{100, 300}, true},  // 10 pushed again: stretch sound again
        {{10, 526}, true},   // 11 play zone but off the button: zone sound, nothing else
        {{160, 526}, true},  // 12 the same at the other edge
        {{650, 540}, false}, // 13 on the controls button without a click: its zone's sound
        {{11, 526}, true},   // 14 on the play button with the button held: the game starts
    };
    const std::vector<PassSeen> seen = runMenu(pointer);
    ASSERT_EQ(seen.size(), pointer.size());

    const Background expectedBackground[] = {Plain,  Left,  Left,   Right, Plain, Left,  Pushed,
                                             Pushed, Plain, Pushed, Left,  Left,  Right, Left};
    const std::vector<size_t> pageTurnPasses{2, 4, 6, 11, 13};
    const std::vector<size_t> stretchPasses{7, 10};
    for (size_t index = 0; index < seen.size(); ++index) {
        const size_t pass = index + 1;
        SCOPED_TRACE(pass);
        auto listed = [pass](const std::vector<size_t>& passes) {
            return std::find(passes.begin(), passes.end(), pass) != passes.end();
        };
        EXPECT_EQ(seen[index].background, expectedBackground[index]);
        EXPECT_EQ(seen[index].pageTurn, listed(pageTurnPasses));
        EXPECT_EQ(seen[index].stretch, listed(stretchPasses));
        EXPECT_EQ(seen[index].buttonPush, pass == 14);
    }
    // The idle picture has no buttons; a zone shows its own button only; pushed lights both.
    EXPECT_FALSE(seen[0].playAtRest || seen[0].playLit || seen[0].controlsAtRest ||
                 seen[0].controlsLit);
    EXPECT_TRUE(seen[1].playAtRest);
    EXPECT_FALSE(seen[1].controlsAtRest || seen[1].controlsLit);
    EXPECT_TRUE(seen[3].controlsAtRest);
    EXPECT_FALSE(seen[3].playAtRest || seen[3].playLit);
    EXPECT_TRUE(seen[6].playLit && seen[6].controlsLit);
    EXPECT_TRUE(seen[10].playAtRest);
    EXPECT_TRUE(seen[11].playAtRest);
    EXPECT_TRUE(seen[12].controlsLit);
    EXPECT_TRUE(seen[13].playLit);

    EXPECT_EQ(quitRequested, 0);
    EXPECT_EQ(frontEnd.introBackgroundLeft, nullptr);
    EXPECT_EQ(frontEnd.introBackgroundRight, nullptr);
    EXPECT_EQ(frontEnd.introBackgroundPushed, nullptr);
    EXPECT_NE(frontEnd.introBackground, nullptr);
    EXPECT_NE(frontEnd.playImage, nullptr);
}

TEST_F(IntroMenuTest, TheMenuMusicPlaysUntilTheMenuEnds) {
    bool musicOn = false;
    scripted::afterPresents(2, [] { scripted::pressKey(SDLK_ESCAPE); });
    PassRecorder recorder([&](int pass) {
        if (pass == 1) {
            musicOn = Mix_PlayingMusic() != 0;
        }
    });
    frontEnd.runIntroMenu();
    EXPECT_TRUE(musicOn);
    EXPECT_EQ(Mix_PlayingMusic(), 0);
}

TEST_F(IntroMenuTest, HoldingTheButtonWhileMovingOntoPlayStartsAtOnce) {
    const std::vector<PassSeen> seen =
        runMenu({{{400, 300}, true}, {{200, 450}, true}, {{100, 550}, true}});
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen[0].background, Pushed);
    EXPECT_EQ(seen[1].background, Left);
    EXPECT_TRUE(seen[2].buttonPush);
}

TEST_F(IntroMenuTest, EscapeEndsTheMenuWithoutTheControlsPage) {
    scripted::movePointer(400, 100);
    scripted::afterPresents(3, [] { scripted::pressKey(SDLK_ESCAPE); });
    frontEnd.runIntroMenu();
    EXPECT_EQ(scripted::script.presents, 4);
    EXPECT_EQ(quitRequested, 1);
    EXPECT_EQ(frontEnd.introBackgroundLeft, nullptr);
    EXPECT_EQ(frontEnd.introBackgroundRight, nullptr);
    EXPECT_EQ(frontEnd.introBackgroundPushed, nullptr);
}

TEST_F(IntroMenuTest, TheControlsPageHasReversedButtonImagesAndStartsTheGame) {
    SDL_Surface* options = frontEnd.optionsImage;
    ASSERT_NE(options, nullptr);
    std::map<int, bool> pageShown;
    std::map<int, bool> restingLit;
    std::map<int, bool> pointedDim;
    std::map<int, bool> clicked;
    std::map<int, bool> markKept;
    // Pass 1 clicks controls on the menu; then the page: pointer away, on the button, click.
    scripted::movePointer(621, 526);
    scripted::holdLeftButton(true);
    scripted::afterPresents(1, [] { scripted::movePointer(700, 100); });
    scripted::afterPresents(2, [] {
        scripted::holdLeftButton(false);
        // A mark on the page: the page itself is drawn in its first pass only.
        fillRect(20, 20, 4, 4, marker);
    });
    scripted::afterPresents(3, [] { scripted::movePointer(449, 549); });
    scripted::afterPresents(4, [] { scripted::holdLeftButton(true); });
    PassRecorder recorder([&](int pass) {
        pageShown[pass] = showsPicture(options, 0, 0, rect(0, 0, 800, 480), options);
        restingLit[pass] =
            showsPicture(frontEnd.play2Image, 300, 500, rect(300, 500, 150, 50), options);
        pointedDim[pass] =
            showsPicture(frontEnd.playImage, 300, 500, rect(300, 500, 150, 50), options);
        clicked[pass] = effectPlaying(soundBank.buttonPushSound);
        markKept[pass] = pixelsOf(marker, 20, 20, 4, 4) == 16;
    });
    frontEnd.runIntroMenu();
    EXPECT_EQ(scripted::script.presents, 5);
    EXPECT_TRUE(clicked[1]) << "the controls button was clicked";
    EXPECT_TRUE(pageShown[2]);
    EXPECT_TRUE(restingLit[2]);
    EXPECT_TRUE(markKept[3]);
    EXPECT_TRUE(restingLit[3]);
    EXPECT_FALSE(clicked[3] || clicked[4]);
    EXPECT_TRUE(pointedDim[4]);
    EXPECT_TRUE(pointedDim[5]);
    EXPECT_TRUE(clicked[5]);
    EXPECT_EQ(quitRequested, 0);
}

TEST_F(IntroMenuTest, AQuitInThePassThatChoseControlsStillShowsThePage) {
    scripted::movePointer(700, 550);
    scripted::holdLeftButton(true);
    scripted::pressKey(SDLK_q);
    scripted::afterPresents(2, [] { scripted::movePointer(301, 501); });
    frontEnd.runIntroMenu();
    EXPECT_EQ(scripted::script.presents, 3);
    EXPECT_EQ(quitRequested, 1);
}

TEST_F(IntroMenuTest, RunnersReturnOnLanes500400350ThenAgain500) {
    std::vector<int> playerLanes;
    std::vector<int> redLanes;
    int lastPlayerX = 50;
    int lastRedX = 0;
    PassRecorder recorder([&](int pass) {
        if (pass == 1) {
            EXPECT_EQ(player.getY(), 550);
            EXPECT_EQ(redEnemy.getY(), 550);
        }
        if (player.getX() < lastPlayerX) {
            EXPECT_EQ(player.getX(), 4);
            EXPECT_GT(lastPlayerX, 800);
            playerLanes.push_back(player.getY());
        }
        if (redEnemy.getX() < lastRedX) {
            EXPECT_EQ(redEnemy.getX(), 4);
            redLanes.push_back(redEnemy.getY());
        }
        lastPlayerX = player.getX();
        lastRedX = redEnemy.getX();
        if (pass == 810) {
            scripted::pressKey(SDLK_ESCAPE);
        }
    });
    scripted::movePointer(400, 100);
    frontEnd.runIntroMenu();
    const std::vector<int> lanes{500, 400, 350, 500};
    EXPECT_EQ(playerLanes, lanes);
    EXPECT_EQ(redLanes, lanes);
    EXPECT_EQ(player.getDirection(), East);
    EXPECT_EQ(redEnemy.getDirection(), East);
    EXPECT_EQ(playerLane, 1);
    EXPECT_EQ(redEnemyLane, 1);
}

} // namespace
