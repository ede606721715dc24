// Choosing the run mode from the command line and handing it the game's steps.
#include "app/run_game.h"

#include "app/command_line.h"
#include "app/game_loop.h"
#include "app/level_set.h"
#include "app/run_modes.h"

namespace {

// A player's maze that cannot be played ends the game before its window opens.
constexpr int unplayableLevelsStatus = 1;

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
    if (plays && !commandLine.levelsDir.empty() && !useLevelSet(commandLine.levelsDir)) {
        return finishOutput(unplayableLevelsStatus);
    }
    return finishOutput(runMode(commandLine));
}
