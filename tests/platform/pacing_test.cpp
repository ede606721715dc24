// Frame and menu pacing: how long the game sleeps, and that it never spins or falls behind.
#include "platform/pacing.h"
#include "platform/platform.h"
#include "support/game_fixture.h"

namespace {

// A sleep that wakes up early, after half the time asked for (rounded up).
void wakeEarly(Uint32 ms) {
    scripted::script.delays.push_back(ms);
    scripted::script.now += (ms + 1) / 2;
}

} // namespace

TEST(FramePacing, SleepsTheWholeRemainderOfA28MsFrame) {
    scripted::install(5000);
    waitForFrameEnd(5000);
    EXPECT_EQ(scripted::script.delays, std::vector<Uint32>{28});
    EXPECT_EQ(scripted::script.now, 5028u);

    scripted::install(5010);
    waitForFrameEnd(5000);
    EXPECT_EQ(scripted::script.delays, std::vector<Uint32>{18});
}

TEST(FramePacing, ALongFrameEndsAtOnceWithoutDebt) {
    scripted::install(5028);
    waitForFrameEnd(5000);
    EXPECT_TRUE(scripted::script.delays.empty());
    scripted::install(9000);
    waitForFrameEnd(5000);
    EXPECT_TRUE(scripted::script.delays.empty());
    EXPECT_EQ(scripted::script.now, 9000u);
}

TEST(FramePacing, SurvivesTheWrapOfTheMillisecondCounter) {
    const Uint32 start = 0xFFFFFFF0u;
    scripted::install(start + 5);
    waitForFrameEnd(start);
    EXPECT_EQ(scripted::script.delays, std::vector<Uint32>{23});
    EXPECT_EQ(scripted::script.now, start + 28); // wrapped past zero
    EXPECT_LT(scripted::script.now, 100u);
}

TEST(FramePacing, LooksAtTheClockAgainOnlyWhenWokenEarly) {
    scripted::install(100);
    platform.delay = &wakeEarly;
    waitForFrameEnd(100);
    // Each wake-up asks only for what is left: 28, 14, 7, 3 and 1 ms.
    const std::vector<Uint32> expected{28, 14, 7, 3, 1};
    EXPECT_EQ(scripted::script.delays, expected);
    EXPECT_EQ(scripted::script.now - 100, 28u);
}

TEST(ScreenPacing, PresentsAtMostSixtyTimesASecond) {
    scripted::install(1000);
    for (int pass = 0; pass < 120; ++pass) {
        presentScreen();
    }
    EXPECT_EQ(scripted::script.presents, 120);
    // The first present after install may come at once; the rest are 17 ms apart.
    EXPECT_GE(scripted::script.now - 1000, 119u * 17u);
    EXPECT_LE(scripted::script.now - 1000, 120u * 17u);
}

TEST(ScreenPacing, DoesNotSleepWhenAPassAlreadyTookLonger) {
    scripted::install(1000);
    presentScreen();
    scripted::script.delays.clear();
    scripted::script.now += 40;
    presentScreen();
    EXPECT_TRUE(scripted::script.delays.empty());
}
