// Measures the game's frame loop on level 1:
//   frame_bench cost [FRAMES [DEMO]]  the work of one frame (everything but the wait), headless;
//                                     with DEMO, while recording the frames into that file
//   frame_bench pacing [SECONDS] the frame period and the CPU used by the real paced loop
// Run from the run directory (build/game). bench/run.sh runs both under Xvfb.
#include "actors/actor.h"
#include "actors/contacts.h"
#include "assets/front_end.h"
#include "assets/sound_bank.h"
#include "assets/sprite_set.h"
#include "assets/tile_bank.h"
#include "maze/bomb_site.h"
#include "maze/level_progression.h"
#include "maze/maze_grid.h"
#include "shell/demo_recorder.h"
#include "shell/game_loop.h"
#include "shell/game_state.h"
#include "shell/pacing.h"
#include "shell/platform.h"
#include "shell/video.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/resource.h>
#include <vector>

namespace {

const SDLKey arrows[] = {SDLK_RIGHT, SDLK_DOWN, SDLK_LEFT, SDLK_UP};

void loadEverything() {
    initVideo();
    tileBank.loadTiles();
    soundBank.loadSounds();
    frontEnd.initFrontEnd();
    loadActorSprites();
    startNextLevel();
}

// A simple walker: holds one arrow and changes it every 40 frames. It keeps the level and the
// lives topped up so the benchmark never leaves play for a tally or the game-over screen.
void steer(int frame) {
    Uint8* keys = SDL_GetKeyState(nullptr);
    for (SDLKey key : arrows) {
        keys[key] = 0;
    }
    keys[arrows[(frame / 40) % 4]] = 1;
    if (player.lives < 2) {
        player.lives = 3;
    }
    if (ediblesLeft < 10) {
        loadLevel(1);
    }
}

double percentile(std::vector<double> values, double p) {
    std::sort(values.begin(), values.end());
    size_t index = static_cast<size_t>(p * (values.size() - 1) + 0.5);
    return values[index];
}

double cpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

int frameCost(int frames, const char* demoPath) {
    platform.videoDepth = 32;
    if (demoPath != nullptr) {
        if (std::string error = startRecording(demoPath, 1); !error.empty()) {
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

std::vector<Uint32> presentTicks;
int recordingFlip(SDL_Surface* surface) {
    presentTicks.push_back(SDL_GetTicks());
    return SDL_Flip(surface);
}

int pacing(int seconds) {
    loadEverything();
    platform.flip = &recordingFlip;
    const Uint32 start = SDL_GetTicks();
    const double cpuStart = cpuSeconds();
    int frame = 0;
    while (SDL_GetTicks() - start < static_cast<Uint32>(seconds) * 1000u) {
        steer(frame++);
        waitForFrameEnd(runFrameSteps());
    }
    const double wall = (SDL_GetTicks() - start) / 1000.0;
    const double cpu = cpuSeconds() - cpuStart;
    std::vector<double> periods;
    for (size_t i = 1; i < presentTicks.size(); ++i) {
        periods.push_back(presentTicks[i] - presentTicks[i - 1]);
    }
    std::printf("paced loop for %.1f s (video driver %s): %d frames, period median %.1f ms, "
                "p99 %.1f ms; CPU %.2f %% of one core\n",
                wall, std::getenv("SDL_VIDEODRIVER") ? std::getenv("SDL_VIDEODRIVER") : "x11",
                frame, percentile(periods, 0.5), percentile(periods, 0.99), 100.0 * cpu / wall);
    shutdownGame();
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    const std::string mode = argc > 1 ? argv[1] : "cost";
    if (mode == "cost") {
        return frameCost(argc > 2 ? std::atoi(argv[2]) : 2000, argc > 3 ? argv[3] : nullptr);
    }
    if (mode == "pacing") {
        return pacing(argc > 2 ? std::atoi(argv[2]) : 10);
    }
    std::fprintf(stderr, "usage: frame_bench cost [FRAMES [DEMO]] | pacing [SECONDS]\n");
    return 2;
}
