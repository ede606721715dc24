// levelcheck [--chase] [--autopilot [--max-frames N] [--dir DIR]] FILE...: reports everything
// that makes a level file unplayable.
// With --chase it also tells, for each enemy, where a standing player would escape it.
// A level whose enemies the game's own movement does not bring to a standing player on two
// cells in three is refused too. With --autopilot the game's bot then plays each file that
// passes, alone, and says whether it wins it: the proof that the maze can be won.
#include "bot/maze_verdict.h"
#include "maze/level_text.h"
#include "rules/chase_check.h"
#include "rules/playable.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <string_view>
#include <unistd.h>

namespace {

constexpr int exitPlayable = 0;
constexpr int exitUnplayable = 1;
constexpr int exitUsage = 2;
// A maze the bot cannot win in this many frames (about 14 minutes of play) is not won.
constexpr int32_t defaultFrameLimit = 30000;

std::string baseName(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The game's data directory, found from where this command is: installed, where the launcher
// finds it; else the run directory of the build tree the command was built in.
std::string dataDirectory() {
    std::error_code error;
    const std::filesystem::path here =
        std::filesystem::read_symlink("/proc/self/exe", error).parent_path();
    const std::filesystem::path installed = here / TAMBERLO_DATA_FROM_COMMAND;
    if (std::filesystem::is_directory(installed / "images", error)) {
        return installed.string();
    }
    return (here / TAMBERLO_GAME_FROM_COMMAND).string();
}

struct Options {
    bool chase = false;
    bool autopilot = false;
    int32_t frameLimit = defaultFrameLimit;
    std::string dataDir;
    int first = 0;
};

bool parseOptions(int argc, char** argv, Options& options) {
    int arg = 1;
    for (; arg < argc && std::string_view(argv[arg]).substr(0, 2) == "--"; ++arg) {
        const std::string_view option = argv[arg];
        const bool hasValue = arg + 1 < argc;
        if (option == "--chase") {
            options.chase = true;
        } else if (option == "--autopilot") {
            options.autopilot = true;
        } else if (option == "--max-frames" && hasValue) {
            options.frameLimit = std::atoi(argv[++arg]);
        } else if (option == "--dir" && hasValue) {
            options.dataDir = argv[++arg];
        } else {
            return false;
        }
    }
    options.first = arg;
    return arg < argc && options.frameLimit > 0;
}

} // namespace

int main(int argc, char** argv) {
    Options options;
    if (!parseOptions(argc, argv, options)) {
        std::cerr << "usage: levelcheck [--chase] [--autopilot [--max-frames N] [--dir DIR]] "
                     "FILE...\n";
        return exitUsage;
    }
    if (options.autopilot && options.dataDir.empty()) {
        options.dataDir = dataDirectory();
    }
    int status = exitPlayable;
    for (int arg = options.first; arg < argc; ++arg) {
        const std::string path = argv[arg];
        std::ifstream file(path);
        if (!file) {
            std::cerr << "levelcheck: cannot read " << path << "\n";
            return exitUsage;
        }
        std::ostringstream text;
        text << file.rdbuf();
        const std::string name = baseName(path);
        const LevelProblems problems = checkLevelText(text.str());
        for (const LevelProblem& problem : problems) {
            std::cout << describeProblem(name, problem) << "\n";
        }
        if (!problems.empty()) {
            status = exitUnplayable;
            continue;
        }
        if (options.chase) {
            for (const ChaseCoverage& coverage : measureChase(parseLevelText(text.str()).cells)) {
                std::cout << name << ": " << describeCoverage(coverage) << "\n";
            }
        }
        if (options.autopilot) {
            const autopilot::MazeVerdict verdict =
                autopilot::playMazeAlone(text.str(), options.dataDir, options.frameLimit);
            if (!verdict.played) {
                return exitUsage;
            }
            if (verdict.won) {
                std::cout << name << ": the autopilot wins it in " << verdict.frames << " frames ("
                          << verdict.livesLost << (verdict.livesLost == 1 ? " life" : " lives")
                          << " lost)\n";
            } else {
                std::cout << name << ": the autopilot does not win it within " << options.frameLimit
                          << " frames\n";
                status = exitUnplayable;
            }
        }
        std::cout.flush();
    }
    return status;
}
