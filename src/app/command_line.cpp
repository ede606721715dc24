// Parsing the command line. Without options the game plays exactly as it always has.
#include "app/command_line.h"

#include "core/report.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>

#ifndef TAMBERLO_VERSION
#define TAMBERLO_VERSION "unknown"
#endif

namespace {

constexpr int usageErrorStatus = 2;
// Set by the installed launcher, which runs the game from its data directory: the directory the
// player started the command in.
constexpr const char* startDirVariable = "TAMBERLO_START_DIR";

CommandLine mistake(std::string what) {
    CommandLine commandLine;
    commandLine.action = CommandLine::Mistake;
    commandLine.mistake = std::move(what);
    return commandLine;
}

// Whether the word after option i is its value: there is one, and it is no other option.
bool hasValue(int argc, char* argv[], int i) {
    return i + 1 < argc && argv[i + 1][0] != '\0' &&
           std::string_view(argv[i + 1]).substr(0, 2) != "--";
}

} // namespace

CommandLine parseCommandLine(int argc, char* argv[]) {
    CommandLine commandLine;
    bool realtimeAsked = false;
    bool picturesAsked = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view option = argv[i];
        if (option == "--help" || option == "-h") {
            commandLine.action = CommandLine::ShowHelp;
            return commandLine;
        }
        if (option == "--version") {
            commandLine.action = CommandLine::ShowVersion;
            return commandLine;
        }
        if (option == "--realtime") {
            realtimeAsked = true;
        } else if (option == "--pictures") {
            picturesAsked = true;
        } else if (option == "--levels" || option == "--maze") {
            if (!commandLine.levelsDir.empty() || !commandLine.mazeCodes.empty()) {
                return mistake("only one of --levels and --maze, once");
            }
            if (!hasValue(argc, argv, i)) {
                return mistake(option == "--levels" ? "--levels needs a DIR or FILE"
                                                    : "--maze needs a CODE");
            }
            ++i;
            if (option == "--levels") {
                commandLine.levelsDir = fromStartDirectory(argv[i]);
            } else {
                commandLine.mazeCodes = argv[i];
            }
        } else if (option == "--record" || option == "--replay") {
            if (commandLine.action != CommandLine::Play) {
                return mistake("only one of --record and --replay, once");
            }
            if (!hasValue(argc, argv, i)) {
                return mistake(std::string(option) + " needs a FILE");
            }
            commandLine.action = option == "--record" ? CommandLine::Record : CommandLine::Replay;
            commandLine.demoPath = fromStartDirectory(argv[++i]);
        } else {
            return mistake("unknown option '" + std::string(option) + "'");
        }
    }
    if (realtimeAsked && commandLine.action != CommandLine::Replay) {
        return mistake("--realtime goes with --replay");
    }
    if (picturesAsked && commandLine.action != CommandLine::Replay) {
        return mistake("--pictures goes with --replay");
    }
    commandLine.realtime = realtimeAsked;
    commandLine.pictures = picturesAsked;
    return commandLine;
}

std::string fromStartDirectory(const std::string& path) {
    const char* startDir = std::getenv(startDirVariable);
    if (path.front() == '/' || startDir == nullptr || startDir[0] == '\0') {
        return path;
    }
    std::string full(startDir);
    if (full.back() != '/') {
        full += '/';
    }
    return full.append(path);
}

const char* usageText() {
    return "Usage: tamberlo-adventure [--levels DIR | --levels FILE | --maze CODE]\n"
           "                          [--record FILE | --replay FILE [--realtime] [--pictures]]\n"
           "Plays Tamberlo Adventure from the folder that holds its data files.\n"
           "\n"
           "  --levels DIR    play the mazes level1.txt ... levelN.txt of DIR (N up to 5)\n"
           "                  instead of the game's own; each must pass the game's checks\n"
           "  --levels FILE   play the mazes whose share codes FILE holds, one a line\n"
           "  --maze CODE     play the mazes of a share code (several joined by ~)\n"
           "  --record FILE   play as usual and write the game to FILE as a demo\n"
           "  --replay FILE   play the demo in FILE back without a window, as fast as\n"
           "                  possible, and print the state it ends in\n"
           "  --realtime      with --replay: show it in a window at the recorded pace\n"
           "  --pictures      with --replay: also print a hash of every picture shown and\n"
           "                  of every sound started\n"
           "  --help          print this help and exit\n"
           "  --version       print the version and exit\n"
           "\n"
           "Exit status: 0 after a normal quit, 1 when no window can be opened or a maze\n"
           "of --levels cannot be played,\n"
           "2 for a wrong command line or a demo that cannot be recorded or replayed.\n";
}

std::string versionLine() {
    return std::string(programName) + " " + TAMBERLO_VERSION;
}

int answerCommandLine(const CommandLine& commandLine) {
    switch (commandLine.action) {
    case CommandLine::ShowHelp:
        std::fputs(usageText(), stdout);
        return 0;
    case CommandLine::ShowVersion:
        std::printf("%s\n", versionLine().c_str());
        return 0;
    default:
        warn("%s", commandLine.mistake.c_str());
        std::fputs(usageText(), stderr);
        return usageErrorStatus;
    }
}

int finishOutput(int status) {
    if (std::fflush(stdout) == 0 && !std::ferror(stdout)) {
        return status;
    }
    // A full disk or a closed pipe: what the player asked for was not written.
    warn("cannot write to standard output: %s", std::strerror(errno));
    return usageErrorStatus;
}
