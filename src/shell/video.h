// Opening the game window.
#pragma once

constexpr int windowWidth = 800;
constexpr int windowHeight = 600;

// Starts SDL's video and opens the window with its icon and caption. Without a usable display
// it prints why on standard output and ends the process with status 1.
void initVideo();

// The reason the game cannot show a window, or null when it may try. A game started without
// an explicit SDL_VIDEODRIVER must never fall back to drawing into the terminal or nowhere.
const char* missingDisplayReason();
