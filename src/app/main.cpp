// The process entry: everything happens in runGame.
#include "app/run_game.h"

#include <cstdlib>

int main(int argc, char* argv[]) {
    // In a web page a main that the browser's inflating of a link's mazes paused returns to no
    // one, and the page never hears how the game ended: the status leaves by exit everywhere.
    std::exit(runGame(argc, argv));
}
