// The game's command line: play (the default), record or replay a demo, help and version.
#pragma once

#include <string>

struct CommandLine {
    enum Action { Play, Record, Replay, ShowHelp, ShowVersion, Mistake };
    Action action = Play;
    // The demo file of Record and Replay.
    std::string demoPath;
    // Replay in a window at the recorded pace instead of headless and at full speed.
    bool realtime = false;
    // Also print a hash of every picture the replay presented, so that a regression demo
    // checks the drawing as well as the rules.
    bool pictures = false;
    // What was wrong with the command line, for Mistake.
    std::string mistake;
};

CommandLine parseCommandLine(int argc, char* argv[]);

// The usage text, the version line ("tamberlo-adventure 1.1.0").
const char* usageText();
std::string versionLine();

// Handles the actions that print and exit (help, version, a mistake): prints to standard
// output, or the mistake and the usage to standard error, and returns the exit status.
int answerCommandLine(const CommandLine& commandLine);
