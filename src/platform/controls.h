// Every command the player can give, and the keys and pad buttons that give it: the one table
// that play, the screens, the pause and full screen read, and that the controls page, the
// README and the manual page are checked against.
#pragma once

#include "core/shared_types.h"
#include "platform/gamepad.h"

#include <SDL.h>
#include <array>

enum class Command {
    WalkNorth,
    WalkSouth,
    WalkWest,
    WalkEast,
    Bomb,
    Warp,
    GiveUp,
    Pause,
    Quit,
    Confirm,
    ControlsPage,
    FullScreen,
};

// One key that gives a command, with the Alt key held or not (without it, any modifiers may be
// held), and its name as the documents print it.
struct KeyBinding {
    SDLKey key = SDLK_UNKNOWN;
    bool withAlt = false;
    const char* name = "";
};

// Fills a row's unused pad buttons.
constexpr int noButton = -1;

struct Control {
    Command command;
    // The command's name, as the page's on-screen buttons ask for it.
    const char* name;
    // Where the command counts: in play, on the menus, or everywhere (quit, full screen).
    enum Where { InPlay, OnMenus, Everywhere } where;
    std::array<KeyBinding, 3> keys;
    std::array<int, 2> padButtons;
};

inline constexpr Control controls[] = {
    // Walking is held, not pressed: the frame reads the arrow keys' state, and the pad's d-pad
    // and left stick hold a way just as they do.
    {Command::WalkNorth,
     "walk north",
     Control::InPlay,
     {{{SDLK_UP, false, "Arrow keys"}}},
     {noButton, noButton}},
    {Command::WalkSouth,
     "walk south",
     Control::InPlay,
     {{{SDLK_DOWN, false, "Arrow keys"}}},
     {noButton, noButton}},
    {Command::WalkWest,
     "walk west",
     Control::InPlay,
     {{{SDLK_LEFT, false, "Arrow keys"}}},
     {noButton, noButton}},
    {Command::WalkEast,
     "walk east",
     Control::InPlay,
     {{{SDLK_RIGHT, false, "Arrow keys"}}},
     {noButton, noButton}},
    {Command::Bomb, "bomb", Control::InPlay, {{{SDLK_SPACE, false, "Space"}}}, {PadA, noButton}},
    {Command::Warp, "warp", Control::InPlay, {{{SDLK_z, false, "Z"}}}, {PadB, noButton}},
    {Command::GiveUp, "give up", Control::InPlay, {{{SDLK_k, false, "K"}}}, {PadBack, noButton}},
    {Command::Pause, "pause", Control::InPlay, {{{SDLK_p, false, "P"}}}, {PadStart, noButton}},
    {Command::Quit,
     "quit",
     Control::Everywhere,
     {{{SDLK_ESCAPE, false, "Esc"}, {SDLK_q, false, "Q"}}},
     {noButton, noButton}},
    {Command::Confirm,
     "confirm",
     Control::OnMenus,
     {{{SDLK_RETURN, false, "Enter"},
       {SDLK_KP_ENTER, false, "Enter"},
       {SDLK_SPACE, false, "Space"}}},
     {PadA, PadStart}},
    {Command::ControlsPage,
     "controls page",
     Control::OnMenus,
     {{{SDLK_c, false, "C"}}},
     {PadY, noButton}},
    {Command::FullScreen,
     "full screen",
     Control::Everywhere,
     {{{SDLK_F11, false, "F11"},
       {SDLK_RETURN, true, "Alt+Enter"},
       {SDLK_KP_ENTER, true, "Alt+Enter"}}},
     {noButton, noButton}},
};

// The table's row for a command.
const Control& controlOf(Command command);
// The row of the command of that name, or null.
const Control* controlNamed(const char* name);

// Whether a key press (with its modifiers) gives the command.
bool keyGives(Command command, const SDL_keysym& key);
// Whether a press of the pad's button gives the command.
bool buttonGives(Command command, int button);
// Whether the event is a key or pad button press that gives the command.
bool eventGives(Command command, const SDL_Event& event);

// Whether the event says the player looked away: the window lost the input focus or was
// iconified (in the page: the page was hidden or its window lost the focus). In play it pauses
// the game as P does; a pause is left only by the player, never by looking back.
bool isAwayEvent(const SDL_Event& event);

// The key whose holding walks the way (the first key of its walking command).
SDLKey walkKey(Direction heading);

// A pad button's name as the documents print it ("A", "Start"), or "" for a number the game
// does not use.
const char* buttonName(int button);
