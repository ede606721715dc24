// Frame and screen pacing by sleeping, never by spinning on the clock.
#include "platform/pacing.h"

#include "core/game_state.h"
#include "platform/platform.h"
#include "platform/video.h"

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
    presentScreenArea(SDL_Rect{0, 0, windowWidth, windowHeight});
}

void presentScreenArea(SDL_Rect area) {
    if (screenPresentedBefore) {
        sleepUntilElapsed(lastScreenPresent, screenPeriodMs);
    }
    if (area.w >= windowWidth && area.h >= windowHeight) {
        platform.flip(screen);
    } else {
        platform.updateRects(screen, area.w > 0 && area.h > 0 ? 1 : 0, &area);
    }
    lastScreenPresent = platform.getTicks();
    screenPresentedBefore = true;
}

void resetScreenPacing() {
    lastScreenPresent = 0;
    screenPresentedBefore = false;
}
