// tools/autopilot: plays the whole game headless through the platform seam and prints, per
// level, the frames, lives lost, warps and bombs used and the score.
//   autopilot [--max-frames N] [--dir RUN_DIRECTORY]
// It exits 0 after reaching the victory screen within the frame limit, 1 otherwise.
#include "bot_platform.h"
#include "driver.h"
#include "shell/game_state.h"
#include "state_hash.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <unistd.h>

namespace {

constexpr int32_t defaultFrameLimit = 60000;

struct Options {
    int32_t frameLimit = defaultFrameLimit;
    std::string runDirectory = TAMBERLO_GAME_DIR;
};

bool parseOptions(int argc, char* argv[], Options& options) {
    for (int i = 1; i < argc; ++i) {
        const bool hasValue = i + 1 < argc;
        if (std::strcmp(argv[i], "--max-frames") == 0 && hasValue) {
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
        std::fprintf(stderr, "usage: autopilot [--max-frames N] [--dir RUN_DIRECTORY]\n");
        return 2;
    }
    if (chdir(options.runDirectory.c_str()) != 0) {
        std::fprintf(stderr, "autopilot: cannot enter %s\n", options.runDirectory.c_str());
        return 2;
    }
    // Headless and silent: no window, and no sound device for trials to make noise on.
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "none", 1);
    autopilot::resetBotInput();
    // The game reads its input through this seam only; a recorder can wrap it here.
    platform = autopilot::botPlatform();
    const autopilot::RunResult result = autopilot::playWholeGame(options.frameLimit);
    result.report.print(stdout);
    std::printf("state hash %016llx\n",
                static_cast<unsigned long long>(autopilot::playStateHash()));
    std::printf("%s\n", result.won ? "victory" : "no victory");
    return result.won ? 0 : 1;
}
