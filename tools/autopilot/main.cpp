// tools/autopilot: plays the whole game headless through the platform seam and prints, per
// level, the frames, lives lost, warps and bombs used and the score.
//   autopilot [--demo FILE] [--max-frames N] [--dir RUN_DIRECTORY]
// With --demo it writes its game as a demo that `tamberlo-adventure --replay FILE` plays back.
// It exits 0 after reaching the victory screen within the frame limit, 1 otherwise, and 2 when
// it cannot start or write the demo.
#include "app/game_loop.h"
#include "app/state_hash.h"
#include "bot/bot_platform.h"
#include "bot/driver.h"
#include "core/game_state.h"
#include "demo/demo_recorder.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

constexpr int32_t defaultFrameLimit = 60000;

// rand's own start, so the demo replays with the draws of an unseeded game.
constexpr uint32_t demoSeed = 1;

struct Options {
    std::string demoPath;
    int32_t frameLimit = defaultFrameLimit;
    std::string runDirectory = TAMBERLO_GAME_DIR;
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
        } else {
            return false;
        }
    }
    return options.frameLimit > 0;
}

} // namespace

int main(int argc, char* argv[]) {
    Options options;
    if (!parseOptions(argc, argv, options)) {
        std::fprintf(stderr,
                     "usage: autopilot [--demo FILE] [--max-frames N] [--dir RUN_DIRECTORY]\n");
        return 2;
    }
    if (chdir(options.runDirectory.c_str()) != 0) {
        std::fprintf(stderr, "autopilot: cannot enter %s\n", options.runDirectory.c_str());
        return 2;
    }
    // Headless, with the dummy sound device a replay opens too: whether sound could be opened
    // changes the run (a game without sound drew other numbers from rand), and a demo must
    // replay to the same state.
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    autopilot::resetBotInput();
    // The game reads its input through this seam only; the recorder wraps it.
    platform = autopilot::botPlatform();
    const bool recording = !options.demoPath.empty();
    if (recording) {
        if (const std::string error = startRecording(options.demoPath, demoSeed, levelFilesHash());
            !error.empty()) {
            std::fprintf(stderr, "autopilot: %s: %s\n", options.demoPath.c_str(), error.c_str());
            return 2;
        }
    }
    const autopilot::RunResult result = autopilot::playWholeGame(options.frameLimit);
    const std::string summary = stateSummary("autopilot", result.report.totalFrames());
    const std::string error = recording ? finishRecording() : std::string();
    shutdownGame();
    result.report.print(stdout);
    std::printf("%s\n%s\n", summary.c_str(), result.won ? "victory" : "no victory");
    if (!error.empty()) {
        std::fprintf(stderr, "autopilot: %s: %s\n", options.demoPath.c_str(), error.c_str());
        return 2;
    }
    return result.won ? 0 : 1;
}
