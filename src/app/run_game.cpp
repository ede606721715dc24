// Choosing the run mode from the command line and handing it the game's steps.
#include "app/run_game.h"

#include "app/command_line.h"
#include "app/game_loop.h"
#include "app/run_modes.h"

namespace {

int runMode(const CommandLine& commandLine) {
    const GameSteps game{&startGame, &runFrames, &shutdownGame};
    switch (commandLine.action) {
    case CommandLine::Play:
        return playGame(game);
    case CommandLine::Record:
        return recordGame(commandLine.demoPath, game);
    case CommandLine::Replay:
        return replayGame(commandLine.demoPath, commandLine.realtime, commandLine.pictures, game);
    default:
        return answerCommandLine(commandLine);
    }
}

} // namespace

int runGame(int argc, char* argv[]) {
    return finishOutput(runMode(parseCommandLine(argc, argv)));
}
