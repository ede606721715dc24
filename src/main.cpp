// The process entry: everything happens in runGame.
#include "shell/game_loop.h"

int main(int argc, char* argv[]) {
    return runGame(argc, argv);
}
