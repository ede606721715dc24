// CPU of a core that each screen costs on the real display, in-process, with the sound the game
// plays there: screen_bench NAME [SECONDS]. Each run waits one second for the screen to settle
// (its track loaded and started), measures for SECONDS, then ends the screen with a quit.
// NAME: music (the level 1 track alone, no window work), maze (only the maze redrawn and
// presented every frame: the baseline), play, intro, controls, pause, tally, gameover, victory.
// screen_bench tracks: how long starting each music track holds the game up.
#include "bench_play.h"

#include "actors/actor.h"
#include "app/game_loop.h"
#include "app/level_progression.h"
#include "assets/front_end.h"
#include "assets/sound_bank.h"
#include "assets/sprite_set.h"
#include "assets/tile_bank.h"
#include "core/game_state.h"
#include "maze/maze_drawing.h"
#include "platform/pacing.h"
#include "platform/platform.h"
#include "platform/video.h"
#include "rules/level_setup.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/resource.h>
#include <vector>

namespace {

constexpr Uint32 settleMs = 1000;

Uint32 measureMs = 10000;
Uint32 firstPoll = 0;
bool measuring = false;
bool measured = false;
double cpuStart[2] = {};
double cpuUsed[2] = {};
Uint32 wallStart = 0;
Uint32 wallUsed = 0;
std::vector<Uint32> presentTicks;

// Whole process (the game and the audio thread) and the game's own thread.
void cpuNow(double out[2]) {
    const int who[2] = {RUSAGE_SELF, RUSAGE_THREAD};
    for (int i = 0; i < 2; ++i) {
        rusage usage{};
        getrusage(who[i], &usage);
        out[i] = usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
                 (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    }
}

// Starts and stops the measurement by the clock; true once it is over.
bool measurementOver() {
    const Uint32 now = SDL_GetTicks();
    if (firstPoll == 0) {
        firstPoll = now;
    }
    if (!measuring && !measured && now - firstPoll >= settleMs) {
        cpuNow(cpuStart);
        wallStart = now;
        measuring = true;
    } else if (measuring && now - wallStart >= measureMs) {
        double end[2];
        cpuNow(end);
        for (int i = 0; i < 2; ++i) {
            cpuUsed[i] = end[i] - cpuStart[i];
        }
        wallUsed = now - wallStart;
        measuring = false;
        measured = true;
    }
    return measured;
}

// The screens' event source: SDL's, and one quit once the measurement is over.
int pollOrQuit(SDL_Event* event) {
    static bool quitSent = false;
    if (measurementOver() && !quitSent) {
        quitSent = true;
        event->type = SDL_QUIT;
        return 1;
    }
    return SDL_PollEvent(event);
}

int countingFlip(SDL_Surface* surface) {
    presentTicks.push_back(SDL_GetTicks());
    return SDL_Flip(surface);
}

void runPaced(const std::string& name) {
    platform.flip = &countingFlip;
    for (int frame = 0; !measurementOver(); ++frame) {
        const Uint32 start = platform.getTicks();
        if (name == "music") {
            platform.delay(minimumFrameMs);
            continue;
        }
        if (name == "maze") {
            drawMaze();
            platform.flip(screen);
        } else {
            steer(frame);
            runFrameSteps();
        }
        waitForFrameEnd(start);
    }
}

// How long the game waits when it starts each music track (load and play), in ms: the median
// and the worst of the seven, each played for a moment before the next.
void timeTracks() {
    std::vector<double> ms;
    for (int32_t track = MusicIntro; track <= MusicGameOver; ++track) {
        const auto start = std::chrono::steady_clock::now();
        soundBank.playSound(track);
        const auto end = std::chrono::steady_clock::now();
        ms.push_back(std::chrono::duration<double, std::milli>(end - start).count());
        platform.delay(settleMs);
    }
    std::sort(ms.begin(), ms.end());
    std::printf("tracks %.1f %.1f\n", ms[ms.size() / 2], ms.back());
}

bool runScreen(const std::string& name) {
    if (name == "music" || name == "maze" || name == "play") {
        runPaced(name);
    } else if (name == "intro") {
        frontEnd.runIntroMenu();
    } else if (name == "controls") {
        soundBank.playSound(MusicIntro);
        frontEnd.runControlsPage();
    } else if (name == "pause") {
        drawMaze();
        frontEnd.runPause();
    } else if (name == "tally") {
        player.score = 2480;
        levelSeconds = 95;
        frontEnd.runLevelTally();
    } else if (name == "gameover") {
        frontEnd.runGameOver();
    } else if (name == "victory") {
        frontEnd.runVictory();
    } else {
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char* argv[]) {
    const std::string name = argc > 1 ? argv[1] : "";
    if (name == "tracks") {
        loadEverything();
        timeTracks();
        shutdownGame();
        return 0;
    }
    measureMs = 1000u * static_cast<Uint32>(argc > 2 ? std::max(1, std::atoi(argv[2])) : 10);
    loadEverything();
    platform.pollEvent = &pollOrQuit;
    const bool known = runScreen(name);
    shutdownGame();
    if (!known) {
        std::fprintf(stderr, "usage: screen_bench music|maze|play|intro|controls|pause|tally|"
                             "gameover|victory [SECONDS] | tracks\n");
        return 2;
    }
    if (!measured) {
        // The tally ends by itself after 15 s.
        std::fprintf(stderr, "screen_bench: %s ended before the measurement did\n", name.c_str());
        return 1;
    }
    const double wall = wallUsed / 1000.0;
    std::printf("%s %.2f %.2f", name.c_str(), 100.0 * cpuUsed[0] / wall, 100.0 * cpuUsed[1] / wall);
    if (presentTicks.size() > 2) {
        std::vector<Uint32> periods;
        for (size_t i = 1; i < presentTicks.size(); ++i) {
            periods.push_back(presentTicks[i] - presentTicks[i - 1]);
        }
        std::nth_element(periods.begin(), periods.begin() + periods.size() / 2, periods.end());
        std::printf(" period %u", periods[periods.size() / 2]);
    }
    std::printf("\n");
    return 0;
}
