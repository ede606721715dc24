// Choosing the run mode from the command line and handing it the game's steps.
#include "app/run_game.h"

#include "app/command_line.h"
#include "app/game_loop.h"
#include "app/player_mazes.h"
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
    const CommandLine commandLine = parseCommandLine(argc, argv);
    const bool plays = commandLine.action == CommandLine::Play ||
                       commandLine.action == CommandLine::Record ||
                       commandLine.action == CommandLine::Replay;
    if (plays && (!commandLine.levelsDir.empty() || !commandLine.mazeCodes.empty())) {
        // A player's own mazes, checked whole before the window opens.
        return finishOutput(withPlayerMazes(commandLine.levelsDir, commandLine.mazeCodes,
                                            [&] { return runMode(commandLine); }));
    }
    return finishOutput(runMode(commandLine));
}
