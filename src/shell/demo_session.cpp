// Recording and replaying a whole game from the command line.
#include "shell/demo_session.h"

#include "shell/demo_player.h"
#include "shell/demo_recorder.h"
#include "shell/game_loop.h"
#include "shell/platform.h"
#include "shell/state_hash.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>

namespace {

constexpr int demoErrorStatus = 2;
// rand's own start: a recorded game draws what an unrecorded one would.
constexpr uint32_t recordSeed = 1;
// The dummy driver's depth-0 mode is 8-bit palettized; the game's pictures want true colour.
constexpr int headlessDepth = 32;

int demoError(const std::string& path, const std::string& message) {
    std::fprintf(stderr, "tamberlo-adventure: %s: %s\n", path.c_str(), message.c_str());
    return demoErrorStatus;
}

} // namespace

int recordGame(const std::string& path) {
    if (std::string error = startRecording(path, recordSeed); !error.empty()) {
        return demoError(path, error);
    }
    startGame();
    runFrames();
    const std::string summary = stateSummary("record", recordedFrames());
    const std::string error = finishRecording();
    shutdownGame();
    std::printf("%s\n", summary.c_str());
    return error.empty() ? 0 : demoError(path, error);
}

int replayGame(const std::string& path, bool realtime, bool pictures) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return demoError(path, "cannot read the demo");
    }
    const std::string bytes(std::istreambuf_iterator<char>(file), {});
    DemoParse parsed = parseDemo(bytes);
    if (!parsed.demo) {
        return demoError(path, parsed.error);
    }
    if (parsed.demo->levelHash != levelFilesHash()) {
        return demoError(path, "the demo was recorded on other levels than level1.txt to "
                               "level5.txt here");
    }
    if (!realtime) {
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        platform.videoDepth = headlessDepth;
    }
    startReplay(std::move(*parsed.demo), realtime, pictures);
    std::string summary;
    try {
        startGame();
        runFrames();
        summary = stateSummary("replay", replayedFrames());
        finishReplay();
    } catch (const DemoDivergence& divergence) {
        shutdownGame();
        return demoError(path, divergence.what());
    }
    shutdownGame();
    std::printf("%s\n", summary.c_str());
    if (pictures) {
        std::printf("pictures: %s\n", hexHash(replayedPicturesHash()).c_str());
    }
    return 0;
}
