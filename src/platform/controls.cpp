// Reading the controls table: which command a key or pad button press gives.
#include "platform/controls.h"

#include <cstring>

const Control& controlOf(Command command) {
    for (const Control& control : controls) {
        if (control.command == command) {
            return control;
        }
    }
    // Every command has its row (the controls test checks it); the first stands in for none.
    return controls[0];
}

const Control* controlNamed(const char* name) {
    for (const Control& control : controls) {
        if (name != nullptr && std::strcmp(control.name, name) == 0) {
            return &control;
        }
    }
    return nullptr;
}

bool keyGives(Command command, const SDL_keysym& key) {
    for (const KeyBinding& binding : controlOf(command).keys) {
        if (binding.key != SDLK_UNKNOWN && binding.key == key.sym &&
            (!binding.withAlt || (key.mod & KMOD_ALT) != 0)) {
            return true;
        }
    }
    return false;
}

bool buttonGives(Command command, int button) {
    for (int given : controlOf(command).padButtons) {
        if (given != noButton && given == button) {
            return true;
        }
    }
    return false;
}

bool eventGives(Command command, const SDL_Event& event) {
    if (event.type == SDL_KEYDOWN) {
        return keyGives(command, event.key.keysym);
    }
    return event.type == SDL_JOYBUTTONDOWN && buttonGives(command, event.jbutton.button);
}

bool isAwayEvent(const SDL_Event& event) {
    // The pointer leaving the window is no looking away: only the keyboard's focus and the
    // window's being shown count.
    return event.type == SDL_ACTIVEEVENT && event.active.gain == 0 &&
           (event.active.state & (SDL_APPINPUTFOCUS | SDL_APPACTIVE)) != 0;
}

SDLKey walkKey(Direction heading) {
    switch (heading) {
    case North:
        return controlOf(Command::WalkNorth).keys[0].key;
    case South:
        return controlOf(Command::WalkSouth).keys[0].key;
    case West:
        return controlOf(Command::WalkWest).keys[0].key;
    case East:
        return controlOf(Command::WalkEast).keys[0].key;
    default:
        return SDLK_UNKNOWN;
    }
}

const char* buttonName(int button) {
    switch (button) {
    case PadA:
        return "A";
    case PadB:
        return "B";
    case PadY:
        return "Y";
    case PadBack:
        return "Back";
    case PadStart:
        return "Start";
    default:
        return "";
    }
}
