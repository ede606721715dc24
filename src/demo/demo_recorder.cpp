// The recording wrapper over the platform seam. The functions of the seam are plain pointers,
// so a game that does not record never passes through here.
#include "demo/demo_recorder.h"

#include "core/game_random.h"
#include "demo/demo_format.h"
#include "platform/gamepad.h"
#include "platform/pacing.h"
#include "platform/platform.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>

namespace {

Platform wrapped;
std::optional<DemoWriter> writer;
std::FILE* file = nullptr;
bool writeFailed = false;

void writeOut() {
    const std::string text = writer->takeText();
    if (!text.empty() && std::fwrite(text.data(), 1, text.size(), file) != text.size()) {
        writeFailed = true;
    }
}

Uint32 recordTicks() {
    const Uint32 ticks = wrapped.getTicks();
    writer->clock(ticks);
    return ticks;
}

int recordPollEvent(SDL_Event* event) {
    const int result = wrapped.pollEvent(event);
    writer->event(event, result);
    return result;
}

Uint8* recordKeyState(int* count) {
    int keys = 0;
    Uint8* state = wrapped.getKeyState(&keys);
    writer->keys(state, keys);
    if (count != nullptr) {
        *count = keys;
    }
    return state;
}

Uint8 recordMouseState(int* x, int* y) {
    int pointerX = 0;
    int pointerY = 0;
    const Uint8 buttons = wrapped.getMouseState(&pointerX, &pointerY);
    writer->pointer(pointerX, pointerY, buttons);
    if (x != nullptr) {
        *x = pointerX;
    }
    if (y != nullptr) {
        *y = pointerY;
    }
    return buttons;
}

int recordFlip(SDL_Surface* surface) {
    const int result = wrapped.flip(surface);
    writer->present();
    // Each frame goes to the file's buffer at once, so a game killed midway leaves its demo
    // but for the last few kilobytes.
    writeOut();
    return result;
}

} // namespace

std::string startRecording(const std::string& path, uint32_t seed, uint64_t levelHash) {
    if (file != nullptr) {
        return "a recording is already running";
    }
    file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        return "cannot write " + path + ": " + std::strerror(errno);
    }
    writeFailed = false;
    writer.emplace(levelHash, seed);
    seedGameRandom(seed);
    resetScreenPacing();
    resetPadState();
    wrapped = platform;
    platform.getTicks = &recordTicks;
    platform.pollEvent = &recordPollEvent;
    platform.getKeyState = &recordKeyState;
    platform.getMouseState = &recordMouseState;
    platform.flip = &recordFlip;
    return {};
}

uint32_t recordedFrames() {
    return writer ? writer->presents() : 0;
}

std::string finishRecording() {
    if (file == nullptr) {
        return "no recording is running";
    }
    platform = wrapped;
    writer->finish();
    writeOut();
    writer.reset();
    const bool closed = std::fclose(file) == 0;
    file = nullptr;
    return writeFailed || !closed ? "the demo could not be written in full" : "";
}
