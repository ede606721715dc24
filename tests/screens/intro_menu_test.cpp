// The intro menu driven by a scripted pointer: its regions and buttons, the one-shot sounds, the
// background of each region, the runners' lanes and the controls page.
#include "screens/intro_regions.h"
#include "support/game_fixture.h"

#include <map>
#include <string>
#include <tuple>
#include <vector>

namespace {

enum Background { Plain, Left, Right, Pushed, Unknown };

// The pointer during one pass of the menu and what that pass must show and play. Buttons:
// 'p' play at rest, 'P' play lit, 'c' controls at rest, 'C' controls lit. Every background
// shows both buttons at rest, so an unlit button shows in every pass.
struct Pass {
    int x, y;
    bool held;
    Background background;
    std::string buttons;
    Mix_Chunk* sound;
};

// What one pass of the menu showed and played.
struct Seen {
    Background background = Unknown;
    std::string buttons;
    std::vector<Mix_Chunk*> sounds;
};

class IntroMenuTest : public GameTest {
  protected:
    // The one background the screen shows on a grid of pixels above the runners and buttons.
    static Background backgroundShown() {
        SDL_Surface* const backgrounds[] = {frontEnd.introBackground, frontEnd.introBackgroundLeft,
                                            frontEnd.introBackgroundRight,
                                            frontEnd.introBackgroundPushed};
        Background shown = Unknown;
        for (int index = Plain; index < Unknown; ++index) {
            bool all = backgrounds[index] != nullptr;
            for (int y = 2; y < 500 && all; y += 6) {
                for (int x = 2; x < 800 && all; x += 6) {
                    all = screenPixel(x, y) == surfacePixel(backgrounds[index], x, y);
                }
            }
            if (all) {
                shown = shown == Unknown ? static_cast<Background>(index) : Unknown;
            }
        }
        return shown;
    }

    // Which buttons show, judged on their top half: the runners never come that high here.
    static std::string buttonsShown() {
        std::string shown;
        for (auto [image, x, code] : {std::tuple{frontEnd.playImage, 10, 'p'},
                                      {frontEnd.play2Image, 10, 'P'},
                                      {frontEnd.controls1Image, 620, 'c'},
                                      {frontEnd.controls2Image, 620, 'C'}}) {
            if (showsPicture(image, x, 525, rect(x, 525, 150, 24), nullptr)) {
                shown += code;
            }
        }
        return shown;
    }

    // Runs the menu with the pointer of each pass taken from the list.
    static std::vector<Seen> runMenu(const std::vector<Pass>& passes) {
        std::vector<Seen> seen;
        for (size_t pass = 0; pass < passes.size(); ++pass) {
            const Pass at = passes[pass];
            auto move = [at] {
                scripted::movePointer(at.x, at.y);
                scripted::holdLeftButton(at.held);
            };
            pass == 0 ? move() : scripted::afterPresents(static_cast<int>(pass), move);
        }
        PassRecorder recorder([&](int) {
            Seen now{backgroundShown(), buttonsShown(), {}};
            for (Mix_Chunk* chunk :
                 {soundBank.pageTurnSound, soundBank.stretchSound, soundBank.buttonPushSound}) {
                if (channelsPlaying(chunk) > 0) {
                    now.sounds.push_back(chunk);
                }
            }
            seen.push_back(now);
        });
        frontEnd.runIntroMenu();
        return seen;
    }
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
    Mix_Chunk* const page = soundBank.pageTurnSound;
    Mix_Chunk* const stretch = soundBank.stretchSound;
    const std::vector<Pass> passes{
        {400, 100, false, Plain, "pc", nullptr}, // idle: both at rest, in the picture
        {100, 450, false, Left, "pc", page},     // play zone: its sound
        {120, 470, false, Left, "pc", nullptr},  // still the play zone: no sound
        {500, 450, false, Right, "pc", page},    // controls zone: its own sound
        {300, 500, false, Plain, "pc", nullptr}, // x 300 is in no zone: sounds armed again
        {100, 450, false, Left, "pc", page},     // play zone again: sound again
        {300, 500, true, Pushed, "PC", stretch}, // held outside the zones: pushed
        {100, 300, true, Pushed, "PC", nullptr},
        {100, 300, false, Plain, "pc", nullptr}, // released: sounds armed again
        {100, 300, true, Pushed, "PC", stretch},
        {10, 526, true, Left, "pc", page},     // play zone but off the button: nothing else
        {160, 526, true, Left, "pc", nullptr}, // the same at the other edge
        {650, 540, false, Right, "pC", page},  // on the controls button without a click
        {11, 526, true, Left, "Pc", soundBank.buttonPushSound}, // play clicked: the game starts
    };
    const std::vector<Seen> seen = runMenu(passes);
    ASSERT_EQ(seen.size(), passes.size());
    for (size_t index = 0; index < seen.size(); ++index) {
        SCOPED_TRACE(index + 1);
        EXPECT_EQ(seen[index].background, passes[index].background);
        EXPECT_EQ(seen[index].buttons, passes[index].buttons);
        EXPECT_EQ(seen[index].sounds, passes[index].sound == nullptr
                                          ? std::vector<Mix_Chunk*>{}
                                          : std::vector<Mix_Chunk*>{passes[index].sound});
    }
    // The three lit variants are freed at the end; the rest stays for the next visit.
    EXPECT_EQ(quitRequested, 0);
    EXPECT_EQ(frontEnd.introBackgroundLeft, nullptr);
    EXPECT_EQ(frontEnd.introBackgroundRight, nullptr);
    EXPECT_EQ(frontEnd.introBackgroundPushed, nullptr);
    EXPECT_NE(frontEnd.introBackground, nullptr);
    EXPECT_NE(frontEnd.playImage, nullptr);
}

TEST_F(IntroMenuTest, HoldingTheButtonWhileMovingOntoPlayStartsAtOnce) {
    const std::vector<Seen> seen = runMenu({{400, 300, true, Pushed, "", nullptr},
                                            {200, 450, true, Left, "", nullptr},
                                            {100, 550, true, Left, "", nullptr}});
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen[0].background, Pushed);
    EXPECT_EQ(seen[1].background, Left);
    EXPECT_EQ(seen[2].sounds.back(), soundBank.buttonPushSound);
}

// A tap shorter than a pass leaves only its press in the queue: the button is never seen down.
TEST_F(IntroMenuTest, AQuickClickOnPlayIsNotLost) {
    scripted::movePointer(100, 550);
    SDL_Event press{};
    press.type = SDL_MOUSEBUTTONDOWN;
    press.button.button = SDL_BUTTON_LEFT;
    scripted::script.events.push_back(press);
    scripted::afterPresents(3, [] { scripted::queueQuit(); });
    frontEnd.runIntroMenu();
    EXPECT_EQ(scripted::script.presents, 1);
    EXPECT_EQ(quitRequested, 0);
}

TEST_F(IntroMenuTest, EscapeEndsTheMenuAndItsMusicWithoutTheControlsPage) {
    scripted::movePointer(400, 100);
    scripted::afterPresents(3, [] { scripted::pressKey(SDLK_ESCAPE); });
    bool musicOn = false;
    PassRecorder recorder(
        [&](int pass) { musicOn = musicOn || (pass == 1 && Mix_PlayingMusic()); });
    frontEnd.runIntroMenu();
    EXPECT_TRUE(musicOn);
    EXPECT_EQ(Mix_PlayingMusic(), 0);
    EXPECT_EQ(scripted::script.presents, 4);
    EXPECT_EQ(quitRequested, 1);
    EXPECT_EQ(frontEnd.introBackgroundLeft, nullptr);
    EXPECT_EQ(frontEnd.introBackgroundRight, nullptr);
    EXPECT_EQ(frontEnd.introBackgroundPushed, nullptr);
}

TEST_F(IntroMenuTest, TheControlsPageHasReversedButtonImagesAndStartsTheGame) {
    SDL_Surface* options = frontEnd.optionsImage;
    ASSERT_NE(options, nullptr);
    // Per pass: page drawn, play lit, play at rest, click sound, mark kept.
    std::map<int, std::string> seen;
    // Pass 1 clicks controls on the menu; then the page: pointer away, on the button, click.
    scripted::movePointer(621, 526);
    scripted::holdLeftButton(true);
    scripted::afterPresents(1, [] { scripted::movePointer(700, 100); });
    scripted::afterPresents(2, [] {
        scripted::holdLeftButton(false);
        // A mark on the page: the page itself is drawn in its first pass only.
        fillRect(rect(20, 20, 4, 4), marker);
    });
    scripted::afterPresents(3, [] { scripted::movePointer(449, 549); });
    scripted::afterPresents(4, [] { scripted::holdLeftButton(true); });
    PassRecorder recorder([&](int pass) {
        const SDL_Rect button = rect(300, 500, 150, 50);
        auto bit = [](auto on) { return static_cast<bool>(on) ? '1' : '0'; };
        seen[pass] = {bit(showsPicture(options, 0, 0, rect(0, 0, 800, 480), options)),
                      bit(showsPicture(frontEnd.play2Image, 300, 500, button, options)),
                      bit(showsPicture(frontEnd.playImage, 300, 500, button, options)),
                      bit(channelsPlaying(soundBank.buttonPushSound) > 0),
                      bit(pixelsOf(marker, rect(20, 20, 4, 4)) == 16)};
    });
    frontEnd.runIntroMenu();
    EXPECT_EQ(scripted::script.presents, 5);
    EXPECT_EQ(seen[1][3], '1') << "the controls button was clicked";
    EXPECT_EQ(seen[2], "11000") << "the page, its button lit while the pointer is away";
    EXPECT_EQ(seen[3], "01001") << "the page is not redrawn";
    EXPECT_EQ(seen[4], "00101") << "the pointer on the button dims it";
    EXPECT_EQ(seen[5], "00111") << "the click";
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
