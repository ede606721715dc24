// A whole game played headless through the scripted platform, for the leak checker: the intro's
// play button, five levels eaten dot by dot, the tallies, the victory screen, Escape and the
// game's own shutdown. Exits 0 when the game got to the victory screen.
#include "actors/actor.h"
#include "app/game_loop.h"
#include "core/game_state.h"
#include "core/shared_types.h"
#include "maze/maze_grid.h"
#include "platform/pacing.h"
#include "support/scripted_platform.h"

#include <cstdio>
#include <cstdlib>
#include <unistd.h>

namespace {

constexpr int frameLimit = 20000;
constexpr int victoryPasses = 10;

// Puts the player on the first edible cell left, heading east: its next step eats it.
void stepOntoNextEdible() {
    for (int32_t cell = 0; cell < mazeCells; ++cell) {
        if (isDotCode(mazeGrid.cells[cell])) {
            player.x = cell % mazeColumns * tileSize;
            player.y = cell / mazeColumns * tileSize;
            player.direction = East;
            return;
        }
    }
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 2 || chdir(argv[1]) != 0) {
        std::fprintf(stderr, "usage: whole_game_run GAME_DIR\n");
        return 2;
    }
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    scripted::install();
    scripted::movePointer(80, 550);
    scripted::holdLeftButton(true);
    startGame();
    scripted::holdLeftButton(false);
    bool victory = false;
    for (int frame = 0; quitRequested == 0 && frame < frameLimit; ++frame) {
        if (ediblesLeft == 0 && levelNumber >= 5) {
            victory = true;
            scripted::afterPresents(victoryPasses, [] { scripted::pressKey(SDLK_ESCAPE); });
        } else if (ediblesLeft > 0) {
            stepOntoNextEdible();
        }
        // The enemies stay in their pens, so the run never hangs on the chase.
        for (Actor* enemy : enemies) {
            enemy->setTimedState(Penned, frameLimit, Penned);
        }
        waitForFrameEnd(runFrameSteps());
    }
    shutdownGame();
    std::printf("levels played: %d, victory: %s\n", levelNumber, victory ? "yes" : "no");
    return victory ? 0 : 1;
}
