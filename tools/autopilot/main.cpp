// tools/autopilot: plays the whole game headless through the platform seam and prints, per
// level, the frames, lives lost, warps and bombs used and the score.
//   tamberlo-autopilot [--levels DIR | --levels FILE | --maze CODE] [--demo FILE]
//                      [--max-frames N] [--dir RUN_DIRECTORY] [--progress]
// --levels and --maze play a player's own mazes, read and checked as the game reads them. With
// --demo it writes its game as a demo that `tamberlo-adventure --replay FILE` plays back (with
// the same --levels or --maze). --progress prints a line on where it is every little while.
// It exits 0 after reaching the victory screen within the frame limit, 1 otherwise, 2 when it
// cannot start or write the demo, and 3 when the mazes were refused (the reason on standard
// error).
#include "app/player_mazes.h"
#include "app/state_hash.h"
#include "bot/driver.h"
#include "demo/demo_recorder.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

constexpr int32_t defaultFrameLimit = 60000;
constexpr int exitRefused = 3;

// rand's own start, so the demo replays with the draws of an unseeded game.
constexpr uint32_t demoSeed = 1;

struct Options {
    std::string demoPath;
    int32_t frameLimit = defaultFrameLimit;
    std::string runDirectory = TAMBERLO_GAME_DIR;
    std::string levels;
    std::string codes;
    bool progress = false;
};

bool parseOptions(int argc, char* argv[], Options& options) {
    for (int i = 1; i < argc; ++i) {
        const bool hasValue = i + 1 < argc;
        if (std::strcmp(argv[i], "--demo") == 0 && hasValue) {
            options.demoPath = std::filesystem::absolute(argv[++i]).string();
        } else if (std::strcmp(argv[i], "--max-frames") == 0 && hasValue) {
            options.frameLimit = std::atoi(argv[++i]);
        } else if (std::strcmp(argv[i], "--dir") == 0 && hasValue) {
            options.runDirectory = argv[++i];
        } else if (std::strcmp(argv[i], "--levels") == 0 && hasValue && argv[i + 1][0] != '\0') {
            options.levels = std::filesystem::absolute(argv[++i]).string();
        } else if (std::strcmp(argv[i], "--maze") == 0 && hasValue && argv[i + 1][0] != '\0') {
            options.codes = argv[++i];
        } else if (std::strcmp(argv[i], "--progress") == 0) {
            options.progress = true;
        } else {
            return false;
        }
    }
    return options.frameLimit > 0 && (options.levels.empty() || options.codes.empty());
}

void printProgress(const autopilot::Progress& progress) {
    std::printf("progress: level %d, frame %d, dots %d of %d\n", progress.level, progress.frames,
                progress.dotsLeft, progress.dotsTotal);
    std::fflush(stdout);
}

// The bot's game on the level set in place, its report and its verdict.
int play(const Options& options) {
    autopilot::prepareBotGame();
    const bool recording = !options.demoPath.empty();
    if (recording) {
        // The game reads its input through the bot's seam only; the recorder wraps it.
        if (const std::string error = startRecording(options.demoPath, demoSeed, levelFilesHash());
            !error.empty()) {
            std::fprintf(stderr, "autopilot: %s: %s\n", options.demoPath.c_str(), error.c_str());
            return 2;
        }
    }
    const autopilot::RunResult result = autopilot::playWholeGame(
        options.frameLimit, options.progress ? printProgress : autopilot::ProgressReport{});
    const std::string summary = stateSummary("autopilot", result.report.totalFrames());
    const std::string error = recording ? finishRecording() : std::string();
    autopilot::endBotGame();
    result.report.print(stdout);
    std::printf("%s\n%s\n", summary.c_str(), result.won ? "victory" : "no victory");
    if (!error.empty()) {
        std::fprintf(stderr, "autopilot: %s: %s\n", options.demoPath.c_str(), error.c_str());
        return 2;
    }
    return result.won ? 0 : 1;
}

} // namespace

int main(int argc, char* argv[]) {
    Options options;
    if (!parseOptions(argc, argv, options)) {
        std::fprintf(stderr, "usage: tamberlo-autopilot [--levels DIR | --levels FILE | --maze "
                             "CODE] [--demo FILE] [--max-frames N] [--dir RUN_DIRECTORY] "
                             "[--progress]\n");
        return 2;
    }
    if (chdir(options.runDirectory.c_str()) != 0) {
        std::fprintf(stderr, "autopilot: cannot enter %s\n", options.runDirectory.c_str());
        return 2;
    }
    if (options.levels.empty() && options.codes.empty()) {
        std::exit(play(options));
    }
    bool played = false;
    const int status = withPlayerMazes(options.levels, options.codes, [&] {
        played = true;
        return play(options);
    });
    // In the page, reading the codes lets the browser run (it inflates them), and a main that
    // went on afterwards returns to no one: its status leaves by exit, as on the desktop.
    std::exit(played ? status : exitRefused);
}
