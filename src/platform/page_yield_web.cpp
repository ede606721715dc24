// The page's turn: the game's code is rewritten to pause here and go on from a browser task.
#include "platform/page_yield.h"

#include <emscripten.h>

namespace {

double turnEnded = 0;

} // namespace

void yieldToPage(double heldMs) {
    if (emscripten_get_now() - turnEnded < heldMs) {
        return;
    }
    emscripten_sleep(0);
    turnEnded = emscripten_get_now();
}
