// The game's command line: play (the default), record or replay a demo, help and version.
#pragma once

#include <string>

struct CommandLine {
    enum Action { Play, Record, Replay, ShowHelp, ShowVersion, Mistake };
    Action action = Play;
    // The demo file of Record and Replay.
    std::string demoPath;
    // The folder of a player's own mazes, or a file of their share codes (--levels), or "".
    std::string levelsDir;
    // The share codes of --maze, or "".
    std::string mazeCodes;
    // Replay in a window at the recorded pace instead of headless and at full speed.
    bool realtime = false;
    // Also print a hash of every picture the replay presented, so that a regression demo
    // checks the drawing as well as the rules.
    bool pictures = false;
    // What was wrong with the command line, for Mistake.
    std::string mistake;
};

// Reads the options; the demo FILE is taken relative to the directory the player started the
// command in (fromStartDirectory).
CommandLine parseCommandLine(int argc, char* argv[]);

// A relative path as the player meant it: under TAMBERLO_START_DIR when the installed launcher
// set it (it runs the game from the data directory), else unchanged. path is not empty.
std::string fromStartDirectory(const std::string& path);

// The usage text, the version line ("tamberlo-adventure 1.1.0").
const char* usageText();
std::string versionLine();

// Handles the actions that print and exit (help, version, a mistake): prints to standard
// output, or the mistake and the usage to standard error, and returns the exit status.
int answerCommandLine(const CommandLine& commandLine);

// The exit status once everything printed has reached standard output: status, or 2 with a
// message on standard error when it could not be written.
int finishOutput(int status);
