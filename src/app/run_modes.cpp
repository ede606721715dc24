// Running the game from the command line: plain play, recording and replaying a whole game.
#include "app/run_modes.h"

#include "app/state_hash.h"
#include "assets/sound_bank.h"
#include "core/fnv_hash.h"
#include "core/game_state.h"
#include "core/report.h"
#include "demo/demo_player.h"
#include "demo/demo_recorder.h"
#include "platform/platform.h"

#include <cstdio>
#include <cstdlib>

namespace {

constexpr int demoErrorStatus = 2;
// The random draws' own start: a recorded game draws what an unrecorded one would.
constexpr uint32_t recordSeed = 1;
// The dummy driver's depth-0 mode is 8-bit palettized; the game's pictures want true colour.
constexpr int headlessDepth = 32;

int demoError(const std::string& path, const std::string& message) {
    warn("%s: %s", path.c_str(), message.c_str());
    return demoErrorStatus;
}

} // namespace

int playGame(const GameSteps& game) {
    game.start();
    game.runFrames();
    game.shutdown();
    return exitStatus;
}

int recordGame(const std::string& path, const GameSteps& game) {
    if (std::string error = startRecording(path, recordSeed, levelFilesHash()); !error.empty()) {
        return demoError(path, error);
    }
    game.start();
    game.runFrames();
    const std::string summary = stateSummary("record", recordedFrames());
    const std::string error = finishRecording();
    game.shutdown();
    std::printf("%s\n", summary.c_str());
    return error.empty() ? 0 : demoError(path, error);
}

int replayGame(const std::string& path, bool realtime, bool pictures, const GameSteps& game) {
    DemoParse parsed = loadDemo(path, levelFilesHash());
    if (!parsed.demo) {
        return demoError(path, parsed.error);
    }
    if (!realtime) {
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        platform.videoDepth = headlessDepth;
        // Without a window nothing is shown: a web page would paint every frame on its canvas.
        platform.flip = [](SDL_Surface*) { return 0; };
        platform.updateRects = [](SDL_Surface*, int, SDL_Rect*) {};
    }
    soundBank.mute(!realtime);
    startReplay(std::move(*parsed.demo), realtime, pictures);
    std::string summary;
    try {
        game.start();
        game.runFrames();
        summary = stateSummary("replay", replayedFrames());
        finishReplay();
    } catch (const DemoDivergence& divergence) {
        game.shutdown();
        return demoError(path, divergence.what());
    }
    game.shutdown();
    std::printf("%s\n", summary.c_str());
    if (pictures) {
        std::printf("pictures: %s\nsounds: %s\n", hexHash(replayedPicturesHash()).c_str(),
                    hexHash(soundBank.heardHash()).c_str());
    }
    return 0;
}
