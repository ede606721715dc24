// Choosing the run mode from the command line and handing it the game's steps.
#include "app/run_game.h"

#include "app/command_line.h"
#include "app/game_loop.h"
#include "app/level_set.h"
#include "app/maze_codes.h"
#include "core/report.h"

#include "app/run_modes.h"
#include <filesystem>

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

// Plays the game on the player's own mazes: a folder of level files, or share codes (of --maze,
// or a file of them) written out as one. Mazes that cannot be played end it before its window.
int runWithMazes(const CommandLine& commandLine) {
    std::string folder = commandLine.levelsDir;
    std::string codes = commandLine.mazeCodes;
    std::error_code error;
    if (!folder.empty() && std::filesystem::is_regular_file(folder, error)) {
        if (!readCodeFile(folder, codes) || codes.empty()) {
            warn("%s: cannot read maze codes from it", folder.c_str());
            return unplayableLevelsStatus;
        }
        folder.clear();
    }
    std::string made;
    if (!codes.empty()) {
        made = levelsFromCodes(codes);
        if (made.empty()) {
            return unplayableLevelsStatus;
        }
        folder = made;
    }
    const int status = useLevelSet(folder, !made.empty()) ? runMode(commandLine) : unplayableLevelsStatus;
    if (!made.empty()) {
        removeCodeLevels(made);
    }
    return status;
}

} // namespace

int runGame(int argc, char* argv[]) {
    const CommandLine commandLine = parseCommandLine(argc, argv);
    const bool plays = commandLine.action == CommandLine::Play ||
                       commandLine.action == CommandLine::Record ||
                       commandLine.action == CommandLine::Replay;
    if (plays && (!commandLine.levelsDir.empty() || !commandLine.mazeCodes.empty())) {
        return finishOutput(runWithMazes(commandLine));
    }
    return finishOutput(runMode(commandLine));
}
