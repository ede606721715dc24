// The process entry: everything happens in runGame.
#include "app/run_game.h"

int main(int argc, char* argv[]) {
    return runGame(argc, argv);
}
