// The page's turn: the game's code is rewritten to pause here and go on from a browser task.
#include "platform/page_yield.h"

#include <emscripten.h>

void yieldToPage() {
    emscripten_sleep(0);
}
