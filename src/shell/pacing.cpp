#include "shell/pacing.h"

#include "shell/game_state.h"
#include "shell/platform.h"

namespace {

// A 60 Hz display shows a new picture every 16.7 ms; whole milliseconds round that up.
constexpr Uint32 screenPeriodMs = 17;

Uint32 lastScreenPresent = 0;
bool screenPresentedBefore = false;

// Sleeps for the whole remainder of the period and looks at the clock again only when woken
// early, so the wait costs no CPU. The unsigned difference survives a wrap of the counter.
void sleepUntilElapsed(Uint32 since, Uint32 periodMs) {
    for (;;) {
        Uint32 elapsed = platform.getTicks() - since;
        if (elapsed >= periodMs) {
            return;
        }
        platform.delay(periodMs - elapsed);
    }
}

} // namespace

void waitForFrameEnd(Uint32 frameStart) {
    sleepUntilElapsed(frameStart, minimumFrameMs);
}

void presentScreen() {
    if (screenPresentedBefore) {
        sleepUntilElapsed(lastScreenPresent, screenPeriodMs);
    }
    platform.flip(screen);
    lastScreenPresent = platform.getTicks();
    screenPresentedBefore = true;
}

void resetScreenPacing() {
    lastScreenPresent = 0;
    screenPresentedBefore = false;
}
