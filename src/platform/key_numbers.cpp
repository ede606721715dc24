// The keys numbered 256 and above, in SDL 1.2's order, by this platform's names for them.
#include "platform/key_numbers.h"

#include <iterator>

namespace {

constexpr int firstNamedKey = 256;
constexpr SDLKey namedKeys[] = {
    SDLK_KP0,
    SDLK_KP1,
    SDLK_KP2,
    SDLK_KP3,
    SDLK_KP4,
    SDLK_KP5,
    SDLK_KP6,
    SDLK_KP7,
    SDLK_KP8,
    SDLK_KP9,
    SDLK_KP_PERIOD,
    SDLK_KP_DIVIDE,
    SDLK_KP_MULTIPLY,
    SDLK_KP_MINUS,
    SDLK_KP_PLUS,
    SDLK_KP_ENTER,
    SDLK_KP_EQUALS,
    SDLK_UP,
    SDLK_DOWN,
    SDLK_RIGHT,
    SDLK_LEFT,
    SDLK_INSERT,
    SDLK_HOME,
    SDLK_END,
    SDLK_PAGEUP,
    SDLK_PAGEDOWN,
    SDLK_F1,
    SDLK_F2,
    SDLK_F3,
    SDLK_F4,
    SDLK_F5,
    SDLK_F6,
    SDLK_F7,
    SDLK_F8,
    SDLK_F9,
    SDLK_F10,
    SDLK_F11,
    SDLK_F12,
    SDLK_F13,
    SDLK_F14,
    SDLK_F15,
    // 297 to 299 name no key.
    SDLK_UNKNOWN,
    SDLK_UNKNOWN,
    SDLK_UNKNOWN,
    SDLK_NUMLOCK,
    SDLK_CAPSLOCK,
    SDLK_SCROLLOCK,
    SDLK_RSHIFT,
    SDLK_LSHIFT,
    SDLK_RCTRL,
    SDLK_LCTRL,
    SDLK_RALT,
    SDLK_LALT,
    SDLK_RMETA,
    SDLK_LMETA,
    SDLK_LSUPER,
    SDLK_RSUPER,
    SDLK_MODE,
    SDLK_COMPOSE,
    SDLK_HELP,
    SDLK_PRINT,
    SDLK_SYSREQ,
    SDLK_BREAK,
    SDLK_MENU,
    SDLK_POWER,
    SDLK_EURO,
    SDLK_UNDO,
};
static_assert(firstNamedKey + std::size(namedKeys) == portableKeyCount);

} // namespace

int portableKeyOf(int platformKey) {
    if (platformKey >= 0 && platformKey < firstNamedKey) {
        return platformKey;
    }
    for (int i = 0; i < static_cast<int>(std::size(namedKeys)); ++i) {
        if (namedKeys[i] != SDLK_UNKNOWN && namedKeys[i] == platformKey) {
            return firstNamedKey + i;
        }
    }
    return -1;
}

SDLKey platformKeyOf(int portableKey) {
    if (portableKey >= 0 && portableKey < firstNamedKey) {
        return static_cast<SDLKey>(portableKey);
    }
    if (portableKey >= firstNamedKey && portableKey < portableKeyCount) {
        return namedKeys[portableKey - firstNamedKey];
    }
    return SDLK_UNKNOWN;
}
