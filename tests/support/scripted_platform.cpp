// The scripted platform: presents counted and scheduled actions over the in-memory seam.
#include "support/scripted_platform.h"

#include "platform/platform.h"

namespace scripted {

Script script;

void presented() {
    ++script.presents;
    script.now += script.msPerPresent;
    // An action may schedule more: take the due ones out before running them.
    auto range = script.afterPresent.equal_range(script.presents);
    std::vector<std::function<void()>> due;
    for (auto it = range.first; it != range.second; ++it) {
        due.push_back(it->second);
    }
    script.afterPresent.erase(range.first, range.second);
    for (auto& action : due) {
        action();
    }
}

namespace {

int flip(SDL_Surface*) {
    presented();
    return 0;
}

} // namespace

void install(Uint32 startTicks) {
    script = Script{};
    script.now = startTicks;
    platform = virtualPlatform(script);
    platform.flip = &flip;
    // A partial present is a present: it goes through whatever flip is installed.
    platform.updateRects = [](SDL_Surface* surface, int, SDL_Rect*) { platform.flip(surface); };
}

void pressKey(SDLKey key) {
    script.events.push_back(keyPressEvent(key));
}

void holdKey(SDLKey key, bool held) {
    script.keys[key] = held ? 1 : 0;
}

void queueQuit() {
    SDL_Event event{};
    event.type = SDL_QUIT;
    script.events.push_back(event);
}

void pressPadButton(Uint8 button) {
    script.events.push_back(padButtonEvent(button, true));
    script.events.push_back(padButtonEvent(button, false));
}

void movePadHat(Uint8 value) {
    script.events.push_back(padHatEvent(value));
}

void movePadAxis(Uint8 axis, Sint16 value) {
    script.events.push_back(padAxisEvent(axis, value));
}

void movePointer(int x, int y) {
    script.mouseX = x;
    script.mouseY = y;
}

void holdLeftButton(bool held) {
    if (held) {
        script.buttons |= SDL_BUTTON(SDL_BUTTON_LEFT);
    } else {
        script.buttons &= static_cast<Uint8>(~SDL_BUTTON(SDL_BUTTON_LEFT));
    }
}

void afterPresents(int count, std::function<void()> action) {
    script.afterPresent.emplace(script.presents + count, std::move(action));
}

} // namespace scripted
