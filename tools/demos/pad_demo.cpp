// Records pad-play.demo: a game played with the pad through the in-memory platform. On the
// intro the mouse's button is held twice outside the zones, then Y opens the controls page and
// A plays; on level 1 the d-pad and the stick steer
// to a bomb (a stick inside its dead zone steers nothing), A drops it and sets it off, B warps,
// Start pauses and resumes, Back gives a life up; then the window closes.
//   pad_demo GAME_DIR DEMO_FILE
#include "app/game_loop.h"
#include "app/state_hash.h"
#include "demo/demo_recorder.h"
#include "platform/gamepad.h"
#include "platform/platform.h"
#include "platform/virtual_platform.h"

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <unistd.h>

namespace {

VirtualInput input;
int presents = 0;
std::multimap<int, std::function<void()>> script;

// Every present, whole or partial, moves the script on; only a whole one is a read of the seam
// that the recorder wraps, as with a real window.
void presented() {
    ++presents;
    auto [first, last] = script.equal_range(presents);
    for (auto it = first; it != last; ++it) {
        it->second();
    }
}

void pressPadButton(Uint8 button) {
    input.events.push_back(padButtonEvent(button, true));
    input.events.push_back(padButtonEvent(button, false));
}

void movePadHat(Uint8 value) {
    input.events.push_back(padHatEvent(value));
}

void movePadAxis(Uint8 axis, Sint16 value) {
    input.events.push_back(padAxisEvent(axis, value));
}

void closeWindow() {
    SDL_Event event{};
    event.type = SDL_QUIT;
    input.events.push_back(event);
}

// The intro's passes, then the controls page's: level 1's first frame is present 15.
constexpr int levelStart = 15;

// What happens after which present, from the first picture of the intro. On level 1 the player
// starts three tiles left of a wall: east then north round it, then west to the bomb above.
void scriptThePad() {
    const std::pair<int, std::function<void()>> steps[] = {
        // The mouse's left button held outside the zones twice: the stretch sound each time.
        {1, [] { input.buttons = SDL_BUTTON(SDL_BUTTON_LEFT); }},
        {3, [] { input.buttons = 0; }},
        {4, [] { input.buttons = SDL_BUTTON(SDL_BUTTON_LEFT); }},
        {6, [] { input.buttons = 0; }},
        {9, [] { pressPadButton(PadY); }},
        {13, [] { pressPadButton(PadA); }},
        {levelStart, [] { movePadHat(SDL_HAT_RIGHTUP); }},
        {levelStart + 19,
         [] {
             movePadHat(SDL_HAT_CENTERED);
             movePadAxis(0, -30000);
             movePadAxis(1, -30000);
         }},
        {levelStart + 40, [] { pressPadButton(PadA); }},
        {levelStart + 41, [] { movePadAxis(0, 0); }},
        {levelStart + 60, [] { pressPadButton(PadA); }},
        // Inside the dead zone the stick steers nothing: the player walks on as he was.
        {levelStart + 61, [] { movePadAxis(1, -10000); }},
        {levelStart + 62, [] { movePadAxis(0, 9000); }},
        {levelStart + 90, [] { pressPadButton(PadB); }},
        {levelStart + 100, [] { pressPadButton(PadStart); }},
        {levelStart + 110, [] { pressPadButton(PadStart); }},
        {levelStart + 111, [] { movePadHat(SDL_HAT_LEFTDOWN); }},
        {levelStart + 160, [] { pressPadButton(PadBack); }},
        {levelStart + 260, [] { movePadAxis(0, 32767); }},
        {levelStart + 300, [] { closeWindow(); }},
    };
    for (const auto& [present, action] : steps) {
        script.emplace(present, action);
    }
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: pad_demo GAME_DIR DEMO_FILE\n");
        return 2;
    }
    const std::string demo =
        argv[2][0] == '/' ? argv[2] : std::string(getcwd(nullptr, 0)) + "/" + argv[2];
    if (chdir(argv[1]) != 0) {
        std::fprintf(stderr, "pad_demo: cannot enter %s\n", argv[1]);
        return 2;
    }
    // Headless with the dummy sound device, as a replay runs.
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    input.now = 1000;
    platform = virtualPlatform(input);
    platform.flip = [](SDL_Surface*) {
        presented();
        return 0;
    };
    platform.updateRects = [](SDL_Surface*, int, SDL_Rect*) { presented(); };
    scriptThePad();
    if (const std::string error = startRecording(demo, 1, levelFilesHash()); !error.empty()) {
        std::fprintf(stderr, "pad_demo: %s\n", error.c_str());
        return 2;
    }
    startGame();
    runFrames();
    const std::string summary = stateSummary("record", recordedFrames());
    const std::string error = finishRecording();
    shutdownGame();
    std::printf("%s\n", summary.c_str());
    if (!error.empty()) {
        std::fprintf(stderr, "pad_demo: %s\n", error.c_str());
        return 2;
    }
    return 0;
}
