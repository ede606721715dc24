// The page's turn: the game's code is rewritten to pause here and go on from a browser task.
#include "platform/page_yield.h"

#include <emscripten.h>

void yieldToPage() {
    emscripten_sleep(0);
}

void yieldToPageNowAndThen() {
    // A task of the page that runs longer than this keeps the player waiting for an answer.
    constexpr double longestTurnMs = 25;
    static double lastTurn = 0;
    if (const double now = emscripten_get_now(); now - lastTurn > longestTurnMs) {
        emscripten_sleep(0);
        lastTurn = emscripten_get_now();
    }
}
