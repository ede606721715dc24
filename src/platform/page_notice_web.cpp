// The page's side of the game's notices: calls of the page's Module.
#include "platform/page_notice.h"

#include <emscripten.h>

void tellPageOfVictory() {
    EM_ASM({
        if (Module['onVictory'])
            Module['onVictory']();
    });
}
