// The status line: what is redrawn in which frame, the time's layout, the clamped counters, the
// bonus banner and the single text surface.
#include "screens/hud.h"
#include "support/game_fixture.h"

#include <string>
#include <vector>

namespace {

constexpr Uint32 levelStart = 10000;
constexpr int rowHeight = 32;

struct Value {
    const char* text;
    int x;
    int eraseWidth;
};

class HudTest : public GameTest {
  protected:
    void SetUp() override {
        GameTest::SetUp();
        levelStartTicks = levelStart;
        // The level's first frame has drawn the labels.
        hudLabelsDrawn = true;
        player.score = prevScore = 120;
        player.bombs = prevBombs = 2;
        player.lives = prevLives = 3;
        player.warps = prevWarps = 3;
        fillScreen(marker);
    }

    void drawAt(Uint32 msIntoLevel) {
        scripted::script.now = levelStart + msIntoLevel;
        drawHud();
    }

    // A value drawn over its freshly erased rectangle of the blank sheet.
    ::testing::AssertionResult showsValue(const std::string& text, int x, int visibleWidth) {
        return showsText(frontEnd.smallFont, text, white, x, 0, rect(x, 0, visibleWidth, rowHeight),
                         tileBank.blankSheet);
    }

    static bool untouched(int x, int w) {
        return pixelsOf(marker, rect(x, 0, w, rowHeight)) == w * rowHeight;
    }

    // The time row: the minute flush against the separator (one pixel apart), separator at
    // 598, seconds at 608 or 620, each over the part of its erase rectangle that the next erase
    // leaves alone.
    void expectTime(const std::string& minutes, const std::string& separator,
                    const std::string& seconds) {
        int width = 0;
        TTF_SizeText(frontEnd.smallFont, minutes.c_str(), &width, nullptr);
        const int minutesX = 598 - 1 - width;
        EXPECT_TRUE(showsValue(minutes, minutesX, 598 - minutesX));
        if (separator == ":0") {
            EXPECT_TRUE(showsValue(":0", 598, 22));
            EXPECT_TRUE(showsValue(seconds, 620, 35));
        } else {
            EXPECT_TRUE(showsValue(":", 598, 10));
            EXPECT_TRUE(showsValue(seconds, 608, 35));
        }
    }

    void expectLabelsAndCounters() {
        for (auto [label, x] : std::vector<std::pair<const char*, int>>{{"Score:", 10},
                                                                        {"Bombs:", 175},
                                                                        {"Lives:", 328},
                                                                        {"Time:", 488},
                                                                        {"Warps:", 665}}) {
            EXPECT_TRUE(showsText(frontEnd.smallFont, label, white, x, 0)) << label;
        }
        for (const Value& value : {Value{"120", 95, 70}, Value{"2", 275, 30}, Value{"3", 438, 30},
                                   Value{"3", 765, 30}}) {
            EXPECT_TRUE(showsValue(value.text, value.x, value.eraseWidth)) << value.x;
        }
    }
};

TEST_F(HudTest, InTheFirstSecondEveryLabelAndValueIsDrawn) {
    drawAt(999);
    EXPECT_EQ(levelSeconds, 0);
    expectLabelsAndCounters();
    expectTime("0", ":0", "0");
}

// The level's first frame may come late (P held as it opens, a stall): the labels still come.
TEST_F(HudTest, ALevelWhoseFirstFrameComesLateGetsItsLabelsOnce) {
    hudLabelsDrawn = false;
    drawAt(5000);
    expectLabelsAndCounters();
    fillScreen(marker);
    drawAt(5100);
    EXPECT_TRUE(untouched(10, 60));
}

// Counters are compared with their copies from the start of the frame only, so one that went
// up and back down within the frame counts as unchanged.
TEST_F(HudTest, AfterTheFirstSecondOnlyTheTimeIsRedrawnWhenNoCounterChanged) {
    drawAt(1000);
    EXPECT_EQ(levelSeconds, 1);
    EXPECT_TRUE(untouched(0, 578)) << "labels, score, bombs or lives were drawn";
    EXPECT_TRUE(untouched(655, 800 - 655)) << "the warps or their label were drawn";
    expectTime("0", ":0", "1");
}

TEST_F(HudTest, EachChangedCounterIsRedrawnInItsOwnRectangle) {
    player.score = 130;
    player.bombs = 1;
    player.lives = 2;
    player.warps = 2;
    drawAt(5000);
    EXPECT_TRUE(showsValue("130", 95, 70));
    EXPECT_TRUE(showsValue("1", 275, 30));
    EXPECT_TRUE(showsValue("2", 438, 30));
    EXPECT_TRUE(showsValue("2", 765, 30));
    EXPECT_TRUE(untouched(10, 85)) << "score label";
    EXPECT_TRUE(untouched(655, 765 - 655)) << "the warps label";
    EXPECT_TRUE(untouched(795, 5));
    expectTime("0", ":0", "5");
}

TEST_F(HudTest, TimeIsMinutesSeparatorAndSecondsStoppingAt958) {
    struct Case {
        Uint32 ms;
        int seconds;
        const char* minutes;
        const char* separator;
        const char* secondsText;
    };
    for (const Case& c : {Case{9000, 9, "0", ":0", "9"}, Case{10000, 10, "0", ":", "10"},
                          Case{125500, 125, "2", ":0", "5"}, Case{598999, 598, "9", ":", "58"},
                          Case{599000, 598, "9", ":", "58"}, Case{4000000, 598, "9", ":", "58"}}) {
        SCOPED_TRACE(c.ms);
        fillScreen(marker);
        drawAt(c.ms);
        EXPECT_EQ(levelSeconds, c.seconds);
        expectTime(c.minutes, c.separator, c.secondsText);
        EXPECT_TRUE(untouched(0, 578));
    }
}

TEST_F(HudTest, NegativeCountersAreShownAsZeroAndWrittenBackExceptWarps) {
    prevScore = 100;
    player.score = -50;
    prevLives = 1;
    player.lives = -1;
    prevBombs = 1;
    player.bombs = -2;
    player.warps = -1;
    drawAt(3000);
    EXPECT_EQ(player.score, 0);
    EXPECT_EQ(player.lives, 0);
    EXPECT_EQ(player.bombs, 0);
    EXPECT_EQ(player.warps, -1);
    for (const Value& value :
         {Value{"0", 95, 70}, Value{"0", 275, 30}, Value{"0", 438, 30}, Value{"-1", 765, 30}}) {
        EXPECT_TRUE(showsValue(value.text, value.x, value.eraseWidth)) << value.x;
    }
}

class BannerTest : public GameTest {
  protected:
    SDL_Surface* bonus() { return frontEnd.bonusImage; }
    void clearBannerArea() { fillRect(rect(250, 250, bonus()->w, bonus()->h), marker); }
    bool bannerDrawn() {
        return showsPicture(bonus(), 250, 250, rect(250, 250, bonus()->w, bonus()->h), nullptr);
    }
    bool bannerAreaUntouched() {
        return pixelsOf(marker, rect(250, 250, bonus()->w, bonus()->h)) == bonus()->w * bonus()->h;
    }
};

TEST_F(BannerTest, ShowsTheBonusImageIn45FramesAndClearsOnThe45th) {
    ASSERT_NE(bonus(), nullptr);
    frontEnd.showBanner(0, 45);
    for (int tick = 1; tick <= 45; ++tick) {
        clearBannerArea();
        frontEnd.tickBanner();
        EXPECT_TRUE(bannerDrawn()) << "tick " << tick;
        EXPECT_EQ(frontEnd.bannerActive, tick < 45) << "tick " << tick;
    }
    clearBannerArea();
    frontEnd.tickBanner();
    EXPECT_TRUE(bannerAreaUntouched());
}

TEST_F(BannerTest, ANewStartReplacesTheRemainingCount) {
    frontEnd.showBanner(0, 45);
    for (int tick = 0; tick < 30; ++tick) {
        frontEnd.tickBanner();
    }
    frontEnd.showBanner(0, 45);
    for (int tick = 0; tick < 44; ++tick) {
        frontEnd.tickBanner();
    }
    EXPECT_TRUE(frontEnd.bannerActive);
    frontEnd.tickBanner();
    EXPECT_FALSE(frontEnd.bannerActive);
}

TEST_F(BannerTest, OtherKindsCountDownWithoutDrawing) {
    fillScreen(marker);
    frontEnd.showBanner(1, 2);
    frontEnd.tickBanner();
    EXPECT_TRUE(frontEnd.bannerActive);
    frontEnd.tickBanner();
    EXPECT_FALSE(frontEnd.bannerActive);
    EXPECT_TRUE(bannerAreaUntouched());
}

class TextSurfaceTest : public GameTest {};

// The status line's font code takes the small font and any other code the large one.
TEST_F(TextSurfaceTest, EachRenderingReplacesTheOneSurfaceInItsFontAndColour) {
    fillScreen(marker);
    frontEnd.drawText("Score:", 10, 0, smallFontCode, White);
    EXPECT_TRUE(showsText(frontEnd.smallFont, "Score:", white, 10, 0));
    for (auto [code, colour] :
         {std::pair{Black, SDL_Color{0, 0, 0, 0}}, {White, white}, {Blue, blue}, {Red, red}}) {
        frontEnd.drawText("12345", 100, 300, 7, code);
        ASSERT_NE(frontEnd.textSurface, nullptr);
        EXPECT_TRUE(showsText(frontEnd.largeFont, "12345", colour, 100, 300)) << code;
    }
}

TEST_F(TextSurfaceTest, AFailedRenderingLeavesNoSurfaceAndDrawsNothing) {
    frontEnd.drawText("Score:", 10, 0, smallFontCode, White);
    ASSERT_NE(frontEnd.textSurface, nullptr);
    fillScreen(marker);
    // An empty text renders to nothing.
    frontEnd.drawText("", 10, 0, smallFontCode, White);
    EXPECT_EQ(frontEnd.textSurface, nullptr);
    // And so does any text when the font could not be loaded.
    TTF_Font* font = frontEnd.smallFont;
    frontEnd.smallFont = nullptr;
    frontEnd.drawText("Score:", 10, 0, smallFontCode, White);
    frontEnd.smallFont = font;
    EXPECT_EQ(frontEnd.textSurface, nullptr);
    EXPECT_EQ(pixelsOf(marker, rect(0, 0, 800, 600)), 800 * 600);
}

} // namespace
