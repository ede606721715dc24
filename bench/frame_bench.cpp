// Measures the game's frame loop on level 1:
//   frame_bench cost [FRAMES [DEMO]]  the work of one frame (everything but the wait), headless;
//                                     with DEMO, while recording the frames into that file
//   frame_bench replay DEMO      the same over every frame of play of a replayed whole game
// Run from the run directory (build/game); bench/run.sh runs both.
#include "bench_play.h"

#include "actors/actor.h"
#include "app/game_loop.h"
#include "app/level_progression.h"
#include "app/state_hash.h"
#include "assets/front_end.h"
#include "assets/sound_bank.h"
#include "assets/sprite_set.h"
#include "assets/tile_bank.h"
#include "core/game_state.h"
#include "demo/demo_format.h"
#include "demo/demo_player.h"
#include "demo/demo_recorder.h"
#include "maze/bomb_site.h"
#include "maze/maze_grid.h"
#include "platform/pacing.h"
#include "platform/platform.h"
#include "platform/video.h"
#include "rules/contacts.h"
#include "rules/level_setup.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

double percentile(std::vector<double> values, double p) {
    std::sort(values.begin(), values.end());
    size_t index = static_cast<size_t>(p * (values.size() - 1) + 0.5);
    return values[index];
}

int frameCost(int frames, const char* demoPath) {
    platform.videoDepth = 32;
    if (demoPath != nullptr) {
        if (std::string error = startRecording(demoPath, 1, levelFilesHash()); !error.empty()) {
            std::fprintf(stderr, "%s\n", error.c_str());
            return 2;
        }
    }
    loadEverything();
    std::vector<double> costs;
    double total = 0;
    for (int frame = 0; frame < frames; ++frame) {
        steer(frame);
        auto start = std::chrono::steady_clock::now();
        runFrameSteps();
        auto end = std::chrono::steady_clock::now();
        costs.push_back(std::chrono::duration<double, std::milli>(end - start).count());
        total += costs.back();
    }
    std::printf("frame work over %d frames of level 1 (video driver %s%s): median %.3f ms, "
                "mean %.3f ms, p99 %.3f ms, max %.3f ms\n",
                frames, std::getenv("SDL_VIDEODRIVER"), demoPath ? ", recording" : "",
                percentile(costs, 0.5), total / frames, percentile(costs, 0.99),
                percentile(costs, 1.0));
    if (demoPath != nullptr) {
        finishRecording();
    }
    shutdownGame();
    return 0;
}

// Presents of the frame being timed: the frame loop presents once, so a frame that presented
// more often ran a full-window screen (a tally, game over, victory) inside it.
int presentsThisFrame = 0;
int (*replayFlip)(SDL_Surface*) = nullptr;
int countingFlip(SDL_Surface* surface) {
    ++presentsThisFrame;
    return replayFlip(surface);
}

// The frame work of a whole replayed game, headless: every frame of play timed, the frames
// that ran a full-window screen counted apart.
int replayCost(const char* demoPath) {
    std::ifstream file(demoPath, std::ios::binary);
    DemoParse parsed = parseDemo(std::string(std::istreambuf_iterator<char>(file), {}));
    if (!parsed.demo) {
        std::fprintf(stderr, "%s: %s\n", demoPath, parsed.error.c_str());
        return 2;
    }
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    platform.videoDepth = 32;
    startReplay(std::move(*parsed.demo), false);
    replayFlip = platform.flip;
    platform.flip = &countingFlip;
    std::vector<double> costs;
    int screenFrames = 0;
    try {
        startGame();
        while (quitRequested == 0) {
            presentsThisFrame = 0;
            auto start = std::chrono::steady_clock::now();
            waitForFrameEnd(runFrameSteps());
            auto end = std::chrono::steady_clock::now();
            if (presentsThisFrame == 1) {
                costs.push_back(std::chrono::duration<double, std::milli>(end - start).count());
            } else {
                ++screenFrames;
            }
        }
        finishReplay();
    } catch (const DemoDivergence& divergence) {
        std::fprintf(stderr, "%s: %s\n", demoPath, divergence.what());
        return 2;
    }
    shutdownGame();
    if (costs.empty()) {
        std::fprintf(stderr, "%s: no frame of play\n", demoPath);
        return 2;
    }
    std::printf("frame work over a replayed game (%zu frames of play, %d with a screen left "
                "out): median %.3f ms, p99 %.3f ms, worst %.3f ms\n",
                costs.size(), screenFrames, percentile(costs, 0.5), percentile(costs, 0.99),
                percentile(costs, 1.0));
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    const std::string mode = argc > 1 ? argv[1] : "cost";
    if (mode == "cost") {
        return frameCost(argc > 2 ? std::atoi(argv[2]) : 2000, argc > 3 ? argv[3] : nullptr);
    }
    if (mode == "replay" && argc > 2) {
        return replayCost(argv[2]);
    }
    std::fprintf(stderr, "usage: frame_bench cost [FRAMES [DEMO]] | replay DEMO\n");
    return 2;
}
